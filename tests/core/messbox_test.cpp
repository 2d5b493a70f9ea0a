// The message box: layout around the prompt, captions and answers in both languages, the
// keyboard and focus rules, closing by the window system, and the style code helpers.
#include "core/dialogs/messbox.h"
#include "core/dialogs/module1.h"
#include "tempfolder.h"
#include "testhost.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace {

std::string str(const QString& text)
{
    return text.toStdString();
}

// What the user saw when the box came up; a hidden button shows as an empty caption.
struct Seen
{
    int width = 0, height = 0, panelWidth = 0, panelHeight = 0, lineEndX = 0;
    int labelLeft = 0, labelTop = 0, labelWidth = 0;
    std::array<int, 3> lefts{}, tops{};
    std::array<std::string, 3> captions;
    std::string title;
    int focused = -1;
};

Seen see(MessBox& box)
{
    // clang-format off
    Seen s{box.Width(), box.Height(), box.Frame_Msg.Width(), box.Frame_Msg.Height(), box.Line_Msg.X2(),
           box.Label_Msg.Left(), box.Label_Msg.Top(), box.Label_Msg.Width(), {}, {}, {}, {}, -1};
    // clang-format on
    for (int16_t i = 0; i < 3; ++i) {
        s.lefts[i] = box.Button(i).Left();
        s.tops[i] = box.Button(i).Top();
        if (box.Button(i).Visible())
            s.captions[i] = str(box.Button(i).Caption());
        if (box.ActiveControl() == &box.Button(i))
            s.focused = i;
    }
    s.title = str(box.Caption());
    return s;
}

class MessBoxTest : public ::testing::Test
{
protected:
    TempFolder temp;
    TestHost host;
    Module1 module{host};

    // Shows a message, records it as it came up, then presses button `press`.
    Seen show(const QString& prompt, int16_t style, int16_t press = 0, const QString& title = "Title")
    {
        Seen seen;
        host.onModal("MessBox", [&](Form& form) {
            auto& box = static_cast<MessBox&>(form);
            seen = see(box);
            box.Button_Click(press);
        });
        module.ShowMessBox(prompt, style, title);
        return seen;
    }
};

// The rows share one program, so each box must start from the designed layout, not the last one's.
TEST_F(MessBoxTest, LaysItselfOutAroundThePrompt)
{
    // clang-format off
    struct Row { const char* name; QString prompt; int16_t style; int charWidth, lineHeight;
                 int width, height, labelWidth, panelHeight, buttonTop; std::array<int, 3> lefts; };
    const Row rows[] = {
        {"one line keeps the designed height", "Hello", 1, 90, 195, 2625, 1500, 2315, 495, 600, {1320, 120, -1080}},
        {"two lines of 195 lower the buttons", "First\nSecond", 4, 90, 195, 2625, 1665, 2315, 630, 735, {1320, 120, -1080}},
        {"short prompt with OK only", "Hi", 0, 90, 195, 1425, 1500, 1115, 495, 600, {120, -1080, -2280}},
        {"longest line 5000 wide", QString(50, 'x') + "\nshort", 3, 100, 195, 5310, 1665, 5000, 630, 735, {4005, 2805, 1605}},
        {"three buttons at their minimum", "Hi", 2, 90, 195, 3825, 1500, 3515, 495, 600, {2520, 1320, 120}},
        {"one twip over the minimum widens", QString(1116, 'x'), 0, 1, 195, 1426, 1500, 1116, 495, 600, {121, -1079, -2279}},
        {"a label 255 high is one line", "x", 0, 90, 255, 1425, 1500, 1115, 495, 600, {120, -1080, -2280}},
        {"a label 256 high is more than one line", "x", 0, 90, 256, 1425, 1531, 1115, 496, 601, {120, -1080, -2280}},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        host.charWidth = row.charWidth;
        host.lineHeight = row.lineHeight;
        const Seen s = show(row.prompt, row.style);
        const std::array<int, 3> tops{row.buttonTop, row.buttonTop, row.buttonTop};
        EXPECT_EQ(std::tie(s.width, s.height, s.panelWidth, s.panelHeight, s.lineEndX, s.tops, s.lefts),
                  std::tie(row.width, row.height, row.width, row.panelHeight, row.width, tops, row.lefts));
        EXPECT_EQ(std::tie(s.labelLeft, s.labelTop, s.labelWidth), std::tuple(120, 120, row.labelWidth));
    }
}

TEST_F(MessBoxTest, NeverGrowsBeyondTheScreenWrapsThenElides)
{
    // The scripted screen is 28800 x 16200 twips, a character 90 wide, a line 195 high.
    const QString prose = QString("word ").repeated(400).trimmed();
    // clang-format off
    struct Row { const char* name; QString prompt; bool elided; };
    // clang-format on
    const Row rows[] = {
        {"60,000-digit version", "A newer version  ( " + QString(60000, u'9') + " )  is available.", true},
        {"1 MB path", "The Startup folder /" + QString(1 << 20, u'p') + "  can't be found.", true},
        {"prose wraps at blanks", prose, false},
        {"more lines than the screen holds", QString("line\n").repeated(500), true},
        {"a megabyte of words", QString("ab ").repeated(350000), true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QString shown;
        host.onModal("MessBox", [&](Form& form) {
            auto& box = static_cast<MessBox&>(form);
            shown = box.Label_Msg.Caption();
            EXPECT_LE(box.Width(), 28800);
            EXPECT_LE(box.Height(), 16200);
            EXPECT_LE(box.Label_Msg.Width() + 310, 28800);
            for (int16_t i = 0; i < 3; ++i) {
                EXPECT_GE(box.Button(i).Left(), 0);
                EXPECT_LE(box.Button(i).Top() + box.Button(i).Height(), 16200);
            }
            box.Button_Click(0);
        });
        module.ShowMessBox(row.prompt, MsgStyle::YesNoCancel, "Title");
        EXPECT_EQ(shown.contains(QChar(0x2026)), row.elided);
        if (!row.elided) {
            EXPECT_GT(shown.count(u'\n'), 0);
            EXPECT_EQ(QString(shown).replace(u'\n', u' '), row.prompt);
        }
    }
    // A prompt that fits is shown as it is.
    EXPECT_EQ(module.messBox().FitToScreen("a\n\nb  c"), "a\n\nb  c");
}

TEST_F(MessBoxTest, ButtonSetsShowTheirCaptionsAndAnswerByButtonOrAsTheRightmostWhenClosed)
{
    using Captions = std::array<std::string, 3>; // Button(0), Button(1), Button(2); empty = hidden
    // clang-format off
    struct Row { int16_t style; Captions english, swedish; std::array<int16_t, 3> answers; };
    const Row rows[] = {
        {0, {"OK", "", ""}, {"OK", "", ""}, {1, 0, 0}},
        {1, {"Cancel", "OK", ""}, {"Avbryt", "OK", ""}, {2, 1, 0}},
        {2, {"Ignore", "Retry", "Abort"}, {"Ignorera", "Försök igen", "Avsluta"}, {5, 4, 3}},
        {3, {"Cancel", "No", "Yes"}, {"Avbryt", "Nej", "Ja"}, {2, 7, 6}},
        {4, {"No", "Yes", ""}, {"Nej", "Ja", ""}, {7, 6, 0}},
        {5, {"Cancel", "Retry", ""}, {"Avbryt", "Försök igen", ""}, {2, 4, 0}},
        {4 + 32 + 256, {"No", "Yes", ""}, {"Nej", "Ja", ""}, {7, 6, 0}},
        // Sets the program never raises still offer a way out.
        {6, {"OK", "", ""}, {"OK", "", ""}, {1, 0, 0}},
        {15, {"OK", "", ""}, {"OK", "", ""}, {1, 0, 0}},
        {-1, {"OK", "", ""}, {"OK", "", ""}, {1, 0, 0}},
        {-32768, {"OK", "", ""}, {"OK", "", ""}, {1, 0, 0}},
    };
    // clang-format on
    host.answerByClosing(); // the very first box too
    EXPECT_EQ(module.ShowMessBox("Question", MsgStyle::OKCancel, "Title"), MsgAnswer::Cancel);
    for (const Row& row : rows) {
        for (const bool swedish : {false, true}) {
            SCOPED_TRACE(testing::Message() << "style " << row.style << (swedish ? " Swedish" : " English"));
            module.SwedishLanguage = swedish;
            const Captions& captions = swedish ? row.swedish : row.english;
            for (int16_t i = 0; i < 3; ++i) {
                if (captions[i].empty())
                    continue;
                SCOPED_TRACE(captions[i]);
                module.MessAnswer = 0;
                EXPECT_EQ(show("Question", row.style, i).captions, captions);
                EXPECT_EQ(module.MessAnswer, row.answers[i]);
            }
            // Closing by the window system answers as the rightmost button, Button(0), whatever came before.
            host.answerByClosing();
            EXPECT_EQ(module.ShowMessBox("Question", row.style, "Title"), row.answers[0]);
        }
    }
}

TEST_F(MessBoxTest, EscapePressesTheFocusedButtonOtherKeysAreLeftToIt)
{
    // clang-format off
    struct Row { int16_t style; bool swedish; std::string focused; int16_t answer; };
    // clang-format on
    const Row rows[] = {
        {4, false, "No", 7},
        {1, false, "Cancel", 2},
        {0, false, "OK", 1},
        {292, false, "Yes", 6},
        {4, true, "Nej", 7},
        // A code below 16 never moves the focus.
        {3, false, "Cancel", 2},
        {3 + 256, false, "No", 7},
        {3 + 512, false, "Yes", 6},
        // A focus choice naming a hidden or missing button leaves the focus on Button(0).
        {0 + 256, false, "OK", 1},
        {4 + 512, false, "No", 7},
        {3 + 768, false, "Cancel", 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "style " << row.style);
        module.SwedishLanguage = row.swedish;
        const int enterKeys = host.enterKeys;
        host.onModal("MessBox", [&](Form& form) {
            auto& box = static_cast<MessBox&>(form);
            const int16_t focused = int16_t(see(box).focused);
            ASSERT_GE(focused, 0);
            EXPECT_EQ(str(box.Button(focused).Caption()), row.focused);
            for (int16_t code : {KeyCode::Enter, KeyCode::Space, int16_t(65)}) {
                int16_t key = code;
                box.Button_KeyDown(focused, key, ShiftMask::Shift);
                EXPECT_EQ(key, code);
            }
            EXPECT_EQ(host.enterKeys, enterKeys);
            int16_t key = KeyCode::Escape;
            box.Button_KeyDown(focused, key, 0);
        });
        EXPECT_EQ(module.ShowMessBox("Question", row.style, "Title"), row.answer);
        EXPECT_EQ(host.enterKeys, enterKeys + 1);
    }
}

TEST_F(MessBoxTest, IconAppearsAsAMarkerAfterTheTitle)
{
    // clang-format off
    const std::tuple<int16_t, bool, std::string> rows[] = {
        {16, false, "T  <Critical>"}, {16, true, "T  <Kritiskt>"}, {32 + 4, true, "T  < ? >"}, {48, false, "T  < ! >"},
        {64, true, "T  <Info>"}, {80, false, "T"}, {15, false, "T"}, {256, false, "T"},
    };
    // clang-format on
    for (const auto& [style, swedish, title] : rows) {
        SCOPED_TRACE(testing::Message() << "style " << style);
        module.SwedishLanguage = swedish;
        EXPECT_EQ(show("Prompt", style, 0, "T").title, title);
    }
}

TEST(MessBoxBinary, SplitStyleTakesTheCodeApartByNibbles)
{
    for (int code = 0; code <= 32767; ++code) {
        const MessBox::StyleParts parts = MessBox::SplitStyle(int16_t(code));
        ASSERT_EQ(parts.ButtonSet, code % 16) << "code " << code;
        ASSERT_EQ(parts.IconNo, (code / 16) % 16) << "code " << code;
        ASSERT_EQ(parts.DefaultButton, (code / 256) % 16) << "code " << code;
    }
    const MessBox::StyleParts negative = MessBox::SplitStyle(-292);
    EXPECT_EQ(negative.ButtonSet, -292);
    EXPECT_EQ(negative.IconNo, 0);
    EXPECT_EQ(negative.DefaultButton, 0);
}

} // namespace
