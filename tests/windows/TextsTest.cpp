// Every text of every window comes from the language file: the templates' own
// placeholder texts never show, and the display name fills its placeholder.
#include <windows.h>

#include <string>
#include <vector>

#include "SessionFixture.h"
#include "entry/SetupSession.h"
#include "resources/resource.h"

namespace {

// One control and the text it must show.
struct ShownText {
    int control;
    std::string expected;
};

std::vector<ShownText> Named(const std::vector<std::pair<int, const char*>>& controls)
{
    std::vector<ShownText> texts;
    for (const auto& [control, name] : controls)
        texts.push_back({control, NamedTextValue(name)});
    return texts;
}

class TextsTest : public SessionFixture {
protected:
    TextsTest() { WriteCompleteMedia(); }

    // The texts each page must show, by page index.
    static std::vector<std::vector<ShownText>> PageTexts(const std::string& displayText31,
                                                         const std::string& displayTextF1)
    {
        std::vector<std::vector<ShownText>> pages = {
            Named({{1000, "DLG P1T"}, {1003, "DLG P11"}, {1005, "DLG P12"}, {1006, "DLG P13"}, {1007, "DLG P14"},
                   {1008, "DLG P15"}, {1009, "DLG P16"}}),
            Named({{1000, "DLG P7T"}, {1003, "DLG P71"}, {1004, "DLG PWHEEL3"}, {1005, "DLG PWHEEL5"}}),
            Named({{1000, "DLG P3T"}, {1005, "DLG P32"}, {1008, "DLG P33"}, {1019, "MSG 8"}}),
            Named({{1000, "DLG P4T"}, {1003, "DLG P41"}, {1005, "DLG P42"}, {1006, "DLG P43"}}),
            Named({{1000, "DLG P5T"}, {1003, "DLG P51"}}),
            Named({{1000, "DLG PFT"}, {1006, "DLG PF2"}, {1016, "DLG PF4"}, {1020, "DLG PF5"}}),
        };
        pages[0].push_back({1004, "         Test Wheel Mouse"});
        pages[2].push_back({1003, displayText31});
        pages[2].push_back({1009, "2.00 MB."});
        pages[5].push_back({1003, displayTextF1});
        return pages;
    }

    // Walks through a whole session reading every page, the question and the main window.
    void ExpectEveryText(const std::string& displayText31, const std::string& displayTextF1)
    {
        std::vector<std::vector<ShownText>> pages = PageTexts(displayText31, displayTextF1);
        std::vector<std::vector<std::string>> shown(pages.size());
        std::vector<std::string> question;
        std::string mainCaption;
        int exitCode = RunSession([&](SetupRobot& robot) {
            auto read = [&](int page) {
                for (const ShownText& text : pages[static_cast<size_t>(page)])
                    shown[static_cast<size_t>(page)].push_back(Robot::Text(robot.PageControl(text.control)));
            };
            for (int page = SetupRobot::kWelcome; page <= SetupRobot::kSummary; ++page) {
                if (!robot.WaitForPage(static_cast<SetupRobot::Page>(page)))
                    return false;
                read(page);
                if (page < SetupRobot::kSummary)
                    robot.Next();
            }
            mainCaption = Robot::Text(robot.MainWindow());
            robot.Cancel();
            HWND dialog = robot.WaitForMessageDialog();
            if (dialog == nullptr)
                return false;
            question = {Robot::Text(dialog)};
            for (int id : {1000, 1001, 1002, IDOK, IDCANCEL})
                question.push_back(Robot::Text(GetDlgItem(dialog, id)));
            Robot::Click(GetDlgItem(dialog, IDOK));
            if (!robot.InstallAndWaitForFinish())
                return false;
            read(SetupRobot::kFinish);
            robot.Cancel();
            return true;
        });
        EXPECT_EQ(exitCode, kExitRestartNowNt);
        for (size_t page = 0; page < pages.size(); ++page) {
            ASSERT_EQ(shown[page].size(), pages[page].size()) << "page " << page;
            for (size_t i = 0; i < pages[page].size(); ++i)
                EXPECT_EQ(shown[page][i], pages[page][i].expected)
                    << "page " << page << ", control " << pages[page][i].control;
        }
        std::vector<std::string> expectedQuestion = {NamedTextValue("MSG 20"), NamedTextValue("MSG 23"),
                                                     NamedTextValue("MSG 24"), NamedTextValue("MSG 25"),
                                                     NamedTextValue("MSG 21"), NamedTextValue("MSG 22")};
        EXPECT_EQ(question, expectedQuestion);
        EXPECT_EQ(mainCaption, NamedTextValue("MSG 10"));
    }
};

TEST_F(TextsTest, EveryControlShowsItsLanguageFileText)
{
    ExpectEveryText(NamedTextValue("DLG P31"), NamedTextValue("DLG PF1"));
}

TEST_F(TextsTest, TheDisplayNameFillsItsPlaceholderAndOtherPercentSignsShowAsTheyStand)
{
    std::vector<IniEntry> texts = NamedTexts();
    for (IniEntry& text : texts) {
        if (text.section == "DLG" && text.key == "P31")
            text.value = "Setup installs %P into 100% of %s%d folders.";
        if (text.section == "DLG" && text.key == "PF1")
            text.value = "%P is ready: %n%x%%.";
    }
    m_media.WriteLanguageFile(texts);
    ExpectEveryText("Setup installs Test Wheel into 100% of %s%d folders.", "Test Wheel is ready: %n%x%%.");
}

}  // namespace
