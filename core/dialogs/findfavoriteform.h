#pragma once
// The dialog that finds a favorite in all five favorites files as the user types, and tells the
// main window which one to open.

#include "core/dialogs/favoritessearch.h"
#include "core/formats/favoritesio.h"
#include "core/system/workers.h"
#include "core/toolkit/commandbutton.h"
#include "core/toolkit/form.h"
#include "core/toolkit/label.h"
#include "core/toolkit/listbox.h"
#include "core/toolkit/textbox.h"

#include <memory>
#include <optional>
#include <vector>

class Module1;

class FindFavoriteForm : public Form
{
    Q_OBJECT

public:
    explicit FindFavoriteForm(Module1& module);

    /// Client area in twips; Width and Height of the form add the window frame.
    static constexpr int ClientWidth = 7050;
    static constexpr int ClientHeight = 4260;
    /// More hits than this are counted, not listed: typing on narrows them.
    static constexpr int MaxHits = 200;

    Label Label_Search;
    TextBox Text_Search;
    ListBox List_Hits;
    Label Label_More;
    CommandButton Command_Open;
    CommandButton Command_Cancel;

    /// The favorite chosen with Open or Enter; empty after Cancel.
    std::optional<FavoriteHit> Chosen;
    FavoritesEntry ChosenEntry;

    void Text_Search_Change();
    void Text_Search_KeyDown(int16_t& KeyCode, int16_t Shift);
    void Text_Search_KeyPress(int16_t& KeyAscii);
    void List_Hits_Click();
    void List_Hits_DblClick();
    void List_Hits_KeyPress(int16_t& KeyAscii);
    void Command_Open_Click();
    void Command_Cancel_Click();

    /// The search over the five files as loaded at Form_Load.
    const FavoritesSearch& Search() const { return m_search; }

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    // A favorites file read on a worker: one on a share that does not answer joins the search
    // when it does.
    struct FileRead
    {
        int16_t set = 0;
        std::shared_ptr<WorkerCall<FavoritesFileContent>> job;
        WorkerJob::Watch watch;
    };
    void readOtherFiles();
    void fileRead(int16_t set);
    void takeFile(int16_t set, const FavoritesFileContent& content);

    Module1& m_module;
    FavoritesSearch m_search;
    QList<FavoriteHit> m_hits;
    std::vector<FileRead> m_reads;
};
