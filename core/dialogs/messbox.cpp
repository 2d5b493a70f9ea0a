// The message box: layout around the prompt, captions by button set and language, answers by
// caption, and the binary helpers that take the style code apart.
#include "core/dialogs/messbox.h"

#include "core/dialogs/module1.h"
#include "core/system/host.h"
#include "core/toolkit/bilingual.h"

#include <QStringView>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The layout as designed; every load starts from it.
constexpr int DesignWidth = 3825;
constexpr int DesignHeight = 1125 + MessBox::FrameHeight;
constexpr int PanelHeight = 495;
constexpr int LineEndX = 3855;
constexpr int LabelLeft = 120;
constexpr int LabelTop = 120;
constexpr int LabelWidth = 3515;
constexpr int LabelHeight = 195;
constexpr int ButtonTop = 600;
constexpr int ButtonWidth = 1095;
constexpr int ButtonHeight = 375;
constexpr std::array<int, 3> ButtonDesignLeft = {2520, 1320, 120};

// A label taller than this holds more than one line of text.
constexpr int OneLineHeight = 255;
// Between the label's height and the buttons' top, and between that top and the window height.
constexpr int ButtonsBelowLabel = 345;
constexpr int WindowBelowButtonTop = 930;
constexpr int PanelBelowLabel = 240;
// Window width beyond the label width: label margins and the window border.
constexpr int WidthBeyondLabel = 310;
// Button(i) left is the window width minus this: right margin 120, pitch 1200.
constexpr std::array<int, 3> ButtonRightOffset = {1305, 2505, 3705};

constexpr uint32_t White = 0xFFFFFF;

struct ButtonSet
{
    // Indexed like Button(); an empty caption hides the button.
    std::array<Bilingual, 3> captions;
    int minLabelWidth;
};

constexpr Bilingual OK{u"OK", u"OK"};
constexpr Bilingual Cancel{u"Cancel", u"Avbryt"};
constexpr Bilingual Abort{u"Abort", u"Avsluta"};
constexpr Bilingual Retry{u"Retry", u"Försök igen"};
constexpr Bilingual Ignore{u"Ignore", u"Ignorera"};
constexpr Bilingual Yes{u"Yes", u"Ja"};
constexpr Bilingual No{u"No", u"Nej"};
constexpr Bilingual Hidden{};

constexpr std::array<ButtonSet, 6> ButtonSets = {{
    {{OK, Hidden, Hidden}, 1115},
    {{Cancel, OK, Hidden}, 2315},
    {{Ignore, Retry, Abort}, 3515},
    {{Cancel, No, Yes}, 3515},
    {{No, Yes, Hidden}, 2315},
    {{Cancel, Retry, Hidden}, 2315},
}};

struct Answer
{
    QStringView caption;
    int16_t answer;
};

// Both languages answer whatever language is shown; the first match wins.
constexpr std::array<Answer, 13> Answers = {{
    {u"OK", MsgAnswer::OK},
    {u"Cancel", MsgAnswer::Cancel},
    {u"Avbryt", MsgAnswer::Cancel},
    {u"Abort", MsgAnswer::Abort},
    {u"Avsluta", MsgAnswer::Abort},
    {u"Retry", MsgAnswer::Retry},
    {u"Försök igen", MsgAnswer::Retry},
    {u"Ignore", MsgAnswer::Ignore},
    {u"Ignorera", MsgAnswer::Ignore},
    {u"Yes", MsgAnswer::Yes},
    {u"Ja", MsgAnswer::Yes},
    {u"No", MsgAnswer::No},
    {u"Nej", MsgAnswer::No},
}};

// Title markers by icon number; only "critical" differs between the languages.
constexpr std::array<Bilingual, 5> IconTexts = {{
    {},
    {u"  <Critical>", u"  <Kritiskt>"},
    {u"  < ? >", u"  < ? >"},
    {u"  < ! >", u"  < ! >"},
    {u"  <Info>", u"  <Info>"},
}};

} // namespace

MessBox::MessBox(Module1& module)
    : Form(module.host(), QStringLiteral("MessBox")), Frame_Msg(*this, QStringLiteral("Frame_Msg")),
      Line_Msg(*this, QStringLiteral("Line_Msg")), Label_Msg(*this, QStringLiteral("Label_Msg")),
      Button0(*this, QStringLiteral("Button0")), Button1(*this, QStringLiteral("Button1")),
      Button2(*this, QStringLiteral("Button2")), m_module(module)
{
    Frame_Msg.setBackColor(White);
    Frame_Msg.setBorderStyle(0);
    Label_Msg.setAutoSize(true);
    for (int16_t i = 0; i < 3; ++i) {
        CommandButton& button = Button(i);
        button.setTabIndex(i);
        button.Click = [this, i] { Button_Click(i); };
        button.KeyDown = [this, i](int16_t& keyCode, int16_t shift) { Button_KeyDown(i, keyCode, shift); };
    }
    restoreDesignLayout();
}

CommandButton& MessBox::Button(int16_t index)
{
    return index == 0 ? Button0 : index == 1 ? Button1 : Button2;
}

int16_t MessBox::Style() const
{
    return m_module.MessButtons;
}

void MessBox::restoreDesignLayout()
{
    setCaption(QStringLiteral("MessBox"));
    Move(Left(), Top(), DesignWidth, DesignHeight);
    Frame_Msg.Move(0, 0, DesignWidth, PanelHeight);
    Line_Msg.setEnds(0, 0, LineEndX, 0);
    Label_Msg.setCaption(QStringLiteral("xx"));
    Label_Msg.Move(LabelLeft, LabelTop, LabelWidth, LabelHeight);
    for (int16_t i = 0; i < 3; ++i) {
        CommandButton& button = Button(i);
        button.setCaption(QStringLiteral("Command %1").arg(i));
        button.setVisible(true);
        button.Move(ButtonDesignLeft[i], ButtonTop, ButtonWidth, ButtonHeight);
    }
}

QString MessBox::FitToScreen(const QString& prompt)
{
    const int maxWidth = host().ScreenWidth() - WidthBeyondLabel;
    const int lineHeight = host().MeasureText(QStringLiteral("X")).height();
    // The window below and around the label: buttons, margins and frame.
    const int maxLines = std::max(1, (host().ScreenHeight() - ButtonsBelowLabel - WindowBelowButtonTop) /
                                         std::max(lineHeight, 1));
    // No font shows a character in less than a pixel, so more than this never fits on a line;
    // cutting there first keeps the measuring cheap for any length of text.
    const qsizetype maxChars = maxWidth / 15 + 2;
    const QString ellipsis(QChar(0x2026));
    const auto fits = [&](const QString& text) { return host().MeasureText(text).width() <= maxWidth; };
    const auto elide = [&](const QString& text) {
        qsizetype low = 0;
        qsizetype high = std::min(text.size(), maxChars);
        while (low < high) {
            const qsizetype mid = (low + high + 1) / 2;
            if (fits(text.left(mid) + ellipsis))
                low = mid;
            else
                high = mid - 1;
        }
        return text.left(low) + ellipsis;
    };

    QStringList lines;
    bool cut = false;
    for (const QString& paragraph : prompt.split(u'\n')) {
        if (qsizetype(lines.size()) >= maxLines) {
            cut = true;
            break;
        }
        if (paragraph.size() <= maxChars && fits(paragraph)) {
            lines.append(paragraph);
            continue;
        }
        // Wrap at blanks; a word wider than the screen is elided.
        QString current;
        for (QString word : paragraph.split(u' ')) {
            if (word.size() > maxChars)
                word = elide(word);
            const QString candidate = current.isEmpty() ? word : current + u' ' + word;
            if (fits(candidate)) {
                current = candidate;
                continue;
            }
            if (!current.isEmpty()) {
                lines.append(current);
                if (qsizetype(lines.size()) >= maxLines) {
                    cut = true;
                    current.clear();
                    break;
                }
            }
            current = fits(word) ? word : elide(word);
        }
        if (cut)
            break;
        lines.append(current);
    }
    if (cut && !lines.isEmpty())
        lines.last() = fits(lines.last() + ellipsis) ? lines.last() + ellipsis : elide(lines.last());
    return lines.join(u'\n');
}

void MessBox::Form_Load()
{
    restoreDesignLayout();
    Label_Msg.setCaption(FitToScreen(m_module.MessPrompt));

    const StyleParts parts = SplitStyle(m_module.MessButtons);
    DefaultButton = parts.DefaultButton;

    const int labelHeight = Label_Msg.Height();
    if (labelHeight > OneLineHeight) {
        const int top = labelHeight + ButtonsBelowLabel;
        for (int16_t i = 0; i < 3; ++i)
            Button(i).setTop(top);
        setHeight(top + WindowBelowButtonTop);
        Frame_Msg.setHeight(labelHeight + PanelBelowLabel);
    }

    // Sets the program never raises (6 to 15, negative codes) get the OK button alone, so the
    // box can always be answered.
    const bool knownSet = parts.ButtonSet >= 0 && parts.ButtonSet < int16_t(ButtonSets.size());
    const ButtonSet& set = ButtonSets[knownSet ? parts.ButtonSet : MsgStyle::OKOnly];
    for (int16_t i = 0; i < 3; ++i) {
        const Bilingual& caption = set.captions[i];
        CommandButton& button = Button(i);
        button.setVisible(!caption.english.isEmpty());
        if (button.Visible())
            button.setCaption(caption.text(m_module.SwedishLanguage));
    }
    if (Label_Msg.Width() <= set.minLabelWidth) {
        Label_Msg.setWidth(set.minLabelWidth);
        setWidth(set.minLabelWidth + WidthBeyondLabel);
    } else {
        setWidth(Label_Msg.Width() + WidthBeyondLabel);
    }

    // The panel reaches past the client area on the right, as designed.
    Frame_Msg.setWidth(Width());
    Line_Msg.setX2(Frame_Msg.Width());

    QString title = m_module.MessTitle;
    if (parts.IconNo > 0 && parts.IconNo < int16_t(IconTexts.size()))
        title += IconTexts[parts.IconNo].text(m_module.SwedishLanguage);
    setCaption(title);

    for (int16_t i = 0; i < 3; ++i)
        Button(i).setLeft(Width() - ButtonRightOffset[i]);

    // The first button in the tab order; Form_Activate may move the focus on.
    Button(0).SetFocus();
}

void MessBox::Form_Activate()
{
    // A focus choice that names a hidden or missing button leaves the focus on Button(0).
    if ((DefaultButton == 1 || DefaultButton == 2) && Button(DefaultButton).Visible())
        Button(DefaultButton).SetFocus();
    else if (!ActiveControl())
        Button(0).SetFocus();
}

void MessBox::Button_Click(int16_t Index)
{
    const QString& caption = Button(Index).Caption();
    const auto match =
        std::find_if(Answers.begin(), Answers.end(), [&](const Answer& a) { return a.caption == caption; });
    if (match != Answers.end())
        m_module.MessAnswer = match->answer;
    Unload();
}

void MessBox::Button_KeyDown(int16_t, int16_t& KeyCode, int16_t)
{
    if (KeyCode == ::KeyCode::Escape)
        host().SendEnter();
}

void MessBox::CloseByWindowSystem()
{
    // Button(0) is always shown and always carries a caption of the answer table.
    if (IsLoaded())
        Button_Click(0);
}

MessBox::StyleParts MessBox::SplitStyle(int16_t code)
{
    if (code < 16)
        return {code, 0, 0};
    int16_t noOfBits = 1;
    const QString styleBits = QString(QStringLiteral("0000000") + DecToBin(code, noOfBits)).right(12);
    return {BinToDec(styleBits.right(4)).toShort(), BinToDec(styleBits.mid(4, 4)).toShort(),
            BinToDec(styleBits.left(4)).toShort()};
}

QString MessBox::DecToBin(int16_t DeciValue, int16_t& NoOfBits)
{
    while (std::ldexp(1.0, NoOfBits) - 1 < DeciValue)
        ++NoOfBits;
    QString result;
    result.reserve(std::max<int>(NoOfBits, 0));
    // Bits above the 16 of the value repeat its sign bit.
    for (int i = NoOfBits - 1; i >= 0; --i)
        result += QLatin1Char(((int(DeciValue) >> std::min(i, 15)) & 1) ? '1' : '0');
    return result;
}

QString MessBox::BinToDec(QString Bin)
{
    Bin.remove(QLatin1Char(' '));
    const qsizetype length = Bin.size();
    uint16_t total = 0;
    for (qsizetype i = length; i >= 1; --i) {
        const char16_t c = Bin.at(i - 1).unicode();
        const unsigned digit = (c >= u'0' && c <= u'9') ? unsigned(c - u'0') : 0;
        const qsizetype power = length - i;
        if (power < 16)
            total = uint16_t(total + (digit << power));
    }
    return QString::number(int16_t(total));
}
