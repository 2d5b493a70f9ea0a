#pragma once
// The program's own message box: buttons labelled in the current language, laid out around
// the prompt, answering with the number of the button pressed.

#include "core/toolkit/commandbutton.h"
#include "core/toolkit/form.h"
#include "core/toolkit/frame.h"
#include "core/toolkit/label.h"
#include "core/toolkit/line.h"

#include <QString>
#include <cstdint>

class Module1;

/// Shown only through Module1::ShowMessBox, which passes the prompt, style code and title in
/// Module1's Mess* variables and reads the answer from MessAnswer once the box has unloaded.
/// Every load starts from the designed layout and fits the window around the prompt.
class MessBox : public Form
{
    Q_OBJECT

public:
    explicit MessBox(Module1& module);

    /// The white prompt panel along the top; Line_Msg and Label_Msg are placed relative to it.
    Frame Frame_Msg;
    /// The rule along the top edge of the panel, as wide as the panel.
    Line Line_Msg;
    /// The prompt; it sizes itself to the text's longest line and its number of lines.
    Label Label_Msg;
    CommandButton Button0;
    CommandButton Button1;
    CommandButton Button2;

    /// The control array Button(0..2); Button(0) is always the rightmost and first in the tab
    /// order. An index outside 0..2 names Button(2).
    CommandButton& Button(int16_t index);

    /// Index of the button focused at activation; 0 leaves the focus on Button(0).
    int16_t DefaultButton = 0;

    /// Sets MessAnswer from the button's caption (either language) and unloads the box.
    void Button_Click(int16_t Index);
    /// Escape presses the focused button, just as Enter does.
    void Button_KeyDown(int16_t Index, int16_t& KeyCode, int16_t Shift);

    /// The prompt as the box shows it: lines wider than the screen wrapped at blanks, words
    /// wider than it and lines beyond its height elided with "…", so that the box and its
    /// buttons always fit on the screen. A prompt that fits is returned as it is.
    QString FitToScreen(const QString& prompt);

    /// The style code of the message shown.
    int16_t Style() const;

    /// Closing through the window system answers as the rightmost button would, so the caller
    /// never sees the answer of an earlier box.
    void CloseByWindowSystem();

    /// The parts of a style code: bits 0-3 the button set, 4-7 the icon, 8-11 the focus choice.
    struct StyleParts
    {
        int16_t ButtonSet = 0;
        int16_t IconNo = 0;
        int16_t DefaultButton = 0;
    };
    /// Takes a style code apart through its binary digits; a code below 16 is a button set alone.
    static StyleParts SplitStyle(int16_t code);

    /// DeciValue as binary digits, most significant first, at least NoOfBits of them; widens
    /// NoOfBits in place until the value fits. A negative value gives its two's complement.
    static QString DecToBin(int16_t DeciValue, int16_t& NoOfBits);
    /// The value of a text of binary digits as decimal text; blanks are skipped, a character
    /// that is not a digit counts 0, and the sum wraps as a 16-bit signed integer.
    static QString BinToDec(QString Bin);

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    void restoreDesignLayout();

    Module1& m_module;
};
