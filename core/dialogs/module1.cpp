// Module1: showing a message through the one MessBox, and each window created on its first use.
#include "core/dialogs/module1.h"

#include "core/dialogs/aboutform.h"
#include "core/dialogs/adddirform.h"
#include "core/dialogs/addfilterform.h"
#include "core/dialogs/changedriveform.h"
#include "core/dialogs/messbox.h"
#include "core/dialogs/renamedirform.h"
#include "core/toolkit/form.h"

Module1::Module1(Host& host) : m_host(host) {}

Module1::~Module1() = default;

int16_t Module1::ShowMessBox(const QString& prompt, int16_t style, const QString& title)
{
    MessPrompt = prompt;
    MessButtons = style;
    MessTitle = title;
    messBox().ShowModal();
    return MessAnswer;
}

MessBox& Module1::messBox()
{
    if (!m_messBox)
        m_messBox = std::make_unique<MessBox>(*this);
    return *m_messBox;
}

AddDirForm& Module1::addDirForm()
{
    if (!m_addDirForm)
        m_addDirForm = std::make_unique<AddDirForm>(*this);
    return *m_addDirForm;
}

RenameDirForm& Module1::renameDirForm()
{
    if (!m_renameDirForm)
        m_renameDirForm = std::make_unique<RenameDirForm>(*this);
    return *m_renameDirForm;
}

AddFilterForm& Module1::addFilterForm()
{
    if (!m_addFilterForm)
        m_addFilterForm = std::make_unique<AddFilterForm>(*this);
    return *m_addFilterForm;
}

ChangeDriveForm& Module1::changeDriveForm()
{
    if (!m_changeDriveForm)
        m_changeDriveForm = std::make_unique<ChangeDriveForm>(*this);
    return *m_changeDriveForm;
}

AboutForm& Module1::aboutForm()
{
    if (!m_aboutForm)
        m_aboutForm = std::make_unique<AboutForm>(*this);
    return *m_aboutForm;
}
