// Deleting the selected rows, one question per row.

#include <gtest/gtest.h>
#include <windows.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "app/satellite_deletion.h"
#include "data/satellite_table.h"
#include "encoding/text_encoding.h"
#include "res/resource_ids.h"
#include "tests/gui/gui_fixture.h"
#include "tests/gui/hosted_main_window.h"
#include "tests/gui/modal_window.h"

namespace {

struct Question {
    HWND owner;
    std::string text;  // UTF-8
    std::string caption;
    UINT type;
};

// The test's answers stand in for the user's; a function pointer has no other way in.
std::vector<Question> questions;
std::deque<int> answers;

int WINAPI answerFromTheTest(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    questions.push_back({owner, utf8FromWide(text), utf8FromWide(caption), type});
    if (answers.empty()) {
        ADD_FAILURE() << "asked once more than expected";
        return IDCANCEL;
    }
    int answer = answers.front();
    answers.pop_front();
    return answer;
}

class DeletionTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        questions.clear();
        answers.clear();
        window_ = std::make_unique<HostedMainWindow>();
        window_->state().seams.askDeletion = answerFromTheTest;
    }

    // Selects the rows, answers the questions in turn and returns the names asked about.
    std::vector<std::string> deleteAnswering(const std::vector<int>& selected,
                                             const std::vector<int>& replies) {
        for (int row : selected) {
            main().selectRow(row);
        }
        answers.assign(replies.begin(), replies.end());
        main().command(IDM_DELETE_SATELLITES);
        EXPECT_TRUE(answers.empty()) << "fewer questions than answers";
        std::vector<std::string> names;
        for (const Question& question : questions) {
            const std::string prefix = "真的要删除下面的卫星参数吗?\r\n";
            EXPECT_EQ(question.text.substr(0, prefix.size()), prefix);
            names.push_back(question.text.substr(prefix.size()));
        }
        return names;
    }

    std::vector<std::string> names() const {
        std::vector<std::string> all;
        for (int row = 0; row < main().rowCount(); ++row) {
            all.push_back(main().cell(row, ColumnName));
        }
        return all;
    }

    HostedMainWindow& main() const { return *window_; }

    std::unique_ptr<HostedMainWindow> window_;
};

std::vector<std::string> without(std::vector<std::string> names, std::vector<int> rows) {
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        names.erase(names.begin() + *row);
    }
    return names;
}

TEST_F(DeletionTest, TheQuestionNamesTheRowAndIsOwnedByTheMainWindow) {
    const std::string name = main().cell(4, ColumnName);
    deleteAnswering({4}, {IDNO});
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].owner, main().window());
    EXPECT_EQ(questions[0].text, "真的要删除下面的卫星参数吗?\r\n" + name);
    EXPECT_EQ(questions[0].caption, "警告!");
    EXPECT_EQ(questions[0].type,
              static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2));
}

TEST_F(DeletionTest, YesToEachOfThreeAdjacentRowsAsksAboutEachAsItMovesUp) {
    const std::vector<std::string> before = names();
    std::vector<std::string> asked = deleteAnswering({0, 1, 2}, {IDYES, IDYES, IDYES});
    EXPECT_EQ(asked, (std::vector<std::string>{before[0], before[1], before[2]}));
    EXPECT_EQ(names(), without(before, {0, 1, 2}));
    EXPECT_EQ(main().state().model.changeFlags, ListChanged | SiteChanged);
}

TEST_F(DeletionTest, NoKeepsTheRowAndGoesOnToTheNextSelectedOne) {
    const std::vector<std::string> before = names();
    std::vector<std::string> asked = deleteAnswering({5, 9, 10, 30}, {IDNO, IDYES, IDNO, IDYES});
    EXPECT_EQ(asked, (std::vector<std::string>{before[5], before[9], before[10], before[30]}));
    EXPECT_EQ(names(), without(before, {9, 30}));
    EXPECT_EQ(main().state().model.changeFlags, ListChanged | SiteChanged);
}

TEST_F(DeletionTest, NoToEveryRowChangesNothing) {
    const std::vector<std::string> before = names();
    deleteAnswering({1, 2}, {IDNO, IDNO});
    EXPECT_EQ(names(), before);
    EXPECT_EQ(main().state().model.changeFlags, SiteChanged);
}

TEST_F(DeletionTest, CancelAtTheSecondOfThreeKeepsTheFirstDeletedAndTheOthersInPlace) {
    const std::vector<std::string> before = names();
    std::vector<std::string> asked = deleteAnswering({3, 6, 8}, {IDYES, IDCANCEL});
    EXPECT_EQ(asked, (std::vector<std::string>{before[3], before[6]}));
    EXPECT_EQ(names(), without(before, {3}));
    EXPECT_EQ(main().state().model.changeFlags, ListChanged | SiteChanged);
}

TEST_F(DeletionTest, TheLastRowAndThenTheFirstCanGo) {
    const std::vector<std::string> before = names();
    deleteAnswering({0, 38}, {IDYES, IDYES});
    EXPECT_EQ(names(), without(before, {0, 38}));
    questions.clear();
    // Everything, one after the other.
    for (int row = 0; row < main().rowCount(); ++row) {
        main().selectRow(row);
    }
    answers.assign(37, IDYES);
    main().command(IDM_DELETE_SATELLITES);
    EXPECT_EQ(questions.size(), 37u);
    EXPECT_EQ(main().rowCount(), 0);
    main().closeWithMessage();
    EXPECT_EQ(readStoredValue(HKEY_LOCAL_MACHINE, "Data").bytes, std::string(2, '\0'));
}

TEST_F(DeletionTest, NothingSelectedAsksNothing) {
    main().command(IDM_DELETE_SATELLITES);
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(main().rowCount(), 39);
    EXPECT_EQ(main().state().model.changeFlags, SiteChanged);
}

TEST_F(DeletionTest, NoRecalculationFollows) {
    main().chooseCity("上海");  // a new site, not yet calculated
    const std::string results = main().cell(1, ColumnElevation);
    deleteAnswering({0}, {IDYES});
    EXPECT_EQ(main().text(IDC_SITE_DESCRIPTION), BeijingDescription);
    EXPECT_EQ(main().cell(0, ColumnElevation), results);
}

using RealQuestionTest = GuiTest;

TEST_F(RealQuestionTest, TheMessageBoxAsksWithNoAsTheDefaultAndYesDeletes) {
    HostedMainWindow main;
    const std::string name = main.cell(2, ColumnName);
    const std::string next = main.cell(3, ColumnName);
    main.selectRow(2);
    whileModalOpen(
        main.window(), [&] { main.command(IDM_DELETE_SATELLITES); },
        [&](HWND box) {
            EXPECT_EQ(controlText(box), "警告!");
            EXPECT_EQ(GetWindow(box, GW_OWNER), main.window());
            // The static that holds the question (the message box's text control is 0xFFFF).
            EXPECT_EQ(controlText(GetDlgItem(box, 0xFFFF)),
                      "真的要删除下面的卫星参数吗?\r\n" + name);
            for (int button : {IDYES, IDNO, IDCANCEL}) {
                EXPECT_NE(GetDlgItem(box, button), nullptr) << button;
            }
            // No is the default button: it has the focus and the default frame.
            EXPECT_EQ(GetFocus(), GetDlgItem(box, IDNO));
            EXPECT_EQ(GetWindowLongA(GetDlgItem(box, IDNO), GWL_STYLE) & BS_TYPEMASK,
                      BS_DEFPUSHBUTTON);
            SendMessageA(GetDlgItem(box, IDYES), BM_CLICK, 0, 0);
            pumpDialog(box);
        });
    EXPECT_EQ(main.rowCount(), 38);
    EXPECT_EQ(main.cell(2, ColumnName), next);
}

}  // namespace
