#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "conditions/form3.h"
#include "project/line_file.h"
#include "project_fixture.h"
#include "stability/form26.h"
#include "stability/form4.h"
#include "state/module1.h"

namespace pelzaro {
namespace {

using Services = ProjectFixture;

TEST_F(Services, DialogsStartInThePelzaroFolderOfTheHomeWhenItExists) {
    saveAs("");
    host.fileAnswers.push_back("");
    main().FileOpen();
    ASSERT_EQ(host.fileDialogs.size(), 2u);
    EXPECT_EQ(host.fileDialogs[0].title, "Pelzaroの保存");
    EXPECT_EQ(host.fileDialogs[1].title, "Pelzaroを開く");
    for (const FileDialogRequest& r : host.fileDialogs) {
        EXPECT_EQ(r.filter, "Pelzaro(.qkz)|*.qkz");
        EXPECT_EQ(r.initialDir, home);  // no Pelzaro folder yet
        EXPECT_EQ(r.fileName, "");
    }
    std::filesystem::create_directory(path("Pelzaro"));
    saveAs("");
    EXPECT_EQ(host.fileDialogs.back().initialDir, path("Pelzaro"));
}

TEST_F(Services, SaveAsWritesTheFileThenTakesItsPathAndTitle) {
    saveAs(path("wall.qkz"));
    std::vector<std::string> lines = splitLines(contents(path("wall.qkz")));
    EXPECT_EQ(lines.size(), 220u);
    EXPECT_EQ(contents(path("wall.qkz")).substr(0, 7), "False\r\n");
    EXPECT_EQ(main().CommonDialog1_FileName, path("wall.qkz"));
    EXPECT_EQ(main().Caption(), "Pelzaro - wall.qkz");
    EXPECT_EQ(app.get<Form3>().Caption(), path("wall.qkz"));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(Services, CancelAndNoKeepTheCurrentPathAndTheFile) {
    saveAs(path("a.qkz"));
    writeRaw(path("b.qkz"), "someone else's file\r\n");
    host.clearRecords();

    saveAs("");  // Cancel in the dialog
    EXPECT_EQ(main().CommonDialog1_FileName, path("a.qkz"));

    host.answerNext(MsgAnswer::No);
    saveAs(path("b.qkz"));
    ASSERT_EQ(host.messages.size(), 1u);
    const Message& question = host.messages[0];
    EXPECT_EQ(question.text, "同名ファイルがあります。上書き保存しますか？");
    EXPECT_EQ(question.title, "上書き保存の確認");
    EXPECT_EQ(question.buttons, MsgButtons::YesNo);
    EXPECT_EQ(question.icon, MsgIcon::Critical);
    EXPECT_EQ(question.defaultButton, 2);
    EXPECT_EQ(contents(path("b.qkz")), "someone else's file\r\n");
    EXPECT_EQ(main().CommonDialog1_FileName, path("a.qkz"));
    EXPECT_EQ(main().Caption(), "Pelzaro - a.qkz");

    host.fileAnswers.push_back("");
    main().FileOpen();  // Cancel in the open dialog
    EXPECT_EQ(main().CommonDialog1_FileName, path("a.qkz"));

    host.answerNext(MsgAnswer::Yes);
    saveAs(path("b.qkz"));
    EXPECT_EQ(contents(path("b.qkz")), contents(path("a.qkz")));
    EXPECT_EQ(main().CommonDialog1_FileName, path("b.qkz"));
}

TEST_F(Services, OverwriteSaveAsksFirstAndNeedsAPath) {
    main().FileUpdate();  // no path: no question, no file
    EXPECT_TRUE(host.messages.empty());

    saveAs(path("wall.qkz"));
    std::string saved = contents(path("wall.qkz"));
    app.get<Form4>().txt1.setText("4");

    host.answerNext(MsgAnswer::Cancel);
    main().FileUpdate();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "上書き保存してもよろしいですか？");
    EXPECT_EQ(host.messages[0].title, "確認");
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::OKCancel);
    EXPECT_EQ(host.messages[0].defaultButton, 2);
    EXPECT_EQ(contents(path("wall.qkz")), saved);

    std::filesystem::remove(path("wall.qkz"));  // deleted meanwhile: written again
    main().FileUpdate();
    EXPECT_EQ(splitLines(contents(path("wall.qkz")))[28], "4");
}

TEST_F(Services, AFailedSaveSaysWhyAndChangesNothing) {
    saveAs(path("a.qkz"));
    std::string saved = contents(path("a.qkz"));
    host.clearRecords();
    std::filesystem::create_directory(path("folder.qkz"));

    struct Case {
        std::string target;
        std::string expected;
        const char* why;
    };
    const Case cases[] = {
        {path("missing/b.qkz"), "保存先のフォルダが見つかりません。", "no such folder"},
        {path("folder.qkz"), "同じ名前のフォルダなど", "a folder of that name"},
    };
    for (const Case& c : cases) {
        host.clearRecords();
        host.answerNext(MsgAnswer::Yes);  // the folder "exists": yes, replace it
        saveAs(c.target);
        ASSERT_FALSE(host.messages.empty()) << c.why;
        EXPECT_EQ(host.lastMessage().title, "エラーメッセージ") << c.why;
        EXPECT_NE(host.lastMessage().text.find(c.expected), std::string::npos) << c.why;
        EXPECT_EQ(main().CommonDialog1_FileName, path("a.qkz")) << c.why;
        EXPECT_EQ(main().Caption(), "Pelzaro - a.qkz") << c.why;
    }
    EXPECT_EQ(contents(path("a.qkz")), saved);

    // Overwrite save into a folder that has gone meanwhile.
    std::filesystem::create_directory(path("gone"));
    saveAs(path("gone/c.qkz"));
    std::filesystem::remove_all(path("gone"));
    host.clearRecords();
    main().FileUpdate();  // OK to the question
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_NE(host.lastMessage().text.find("保存先のフォルダが見つかりません。"),
              std::string::npos);
    EXPECT_EQ(main().CommonDialog1_FileName, path("gone/c.qkz"));
}

TEST_F(Services, ACharacterCp932CannotHoldRefusesTheSaveNamingTheField) {
    saveAs(path("a.qkz"));
    std::string saved = contents(path("a.qkz"));
    host.clearRecords();
    app.get<Form4>().txt2.setText("擁壁♥");

    host.answerNext(MsgAnswer::OK);
    main().FileUpdate();
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(
        host.messages[1].text,
        "「寸法の入力：擁壁記号」に、プロジェクトファイルに保存できない文字「♥」があります。\n"
        "別の文字に直してから保存してください。");
    EXPECT_EQ(contents(path("a.qkz")), saved);

    saveAs(path("b.qkz"));
    EXPECT_FALSE(fileExists(path("b.qkz")));
    EXPECT_EQ(main().CommonDialog1_FileName, path("a.qkz"));
}

TEST_F(Services, ARefusedFileChangesNothingAndNamesTheLine) {
    saveAs(path("good.qkz"));
    app.get<Form4>().txt1.setText("7");
    std::string good = contents(path("good.qkz"));
    std::vector<std::string> lines = splitLines(good);
    lines[20] = "maybe";  // line 21, the normal-case option
    writeRaw(path("bad-option.qkz"), joinCrLf(lines));
    lines.resize(150);
    writeRaw(path("short.qkz"), joinCrLf(lines));
    writeRaw(path("garbage.qkz"), std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    std::string badBytes = good;
    badBytes.replace(0, 5, "\x82\r\n\r\n\r");  // a lead byte cut off on line 1
    writeRaw(path("encoding.qkz"), badBytes);

    struct Case {
        const char* file;
        const char* expected;
    };
    const Case cases[] = {
        {"bad-option.qkz", "21行目：True か False でなければなりません（「maybe」）。"},
        {"short.qkz", "151行目がありません"},
        {"garbage.qkz", "行目がありません"},
        {"encoding.qkz", "1行目に Shift-JIS の文字として読めない部分があります。"},
        {"none.qkz", "ファイルが見つかりません。"},
    };
    for (const Case& c : cases) {
        host.clearRecords();
        open(path(c.file));
        ASSERT_EQ(host.messages.size(), 1u) << c.file;
        EXPECT_EQ(host.lastMessage().title, "エラーメッセージ");
        EXPECT_NE(host.lastMessage().text.find(path(c.file)), std::string::npos);
        EXPECT_NE(host.lastMessage().text.find(c.expected), std::string::npos)
            << host.lastMessage().text;
        EXPECT_EQ(main().CommonDialog1_FileName, path("good.qkz"));
        EXPECT_EQ(main().Caption(), "Pelzaro - good.qkz");
        EXPECT_EQ(app.get<Form4>().txt1.Text(), "7");  // the open project as it was
    }
}

}  // namespace
}  // namespace pelzaro

namespace pelzaro {
namespace {

TEST_F(Services, NewAndCloseCarryNeitherTheRoadKeyNorTheTitleIntoTheNextProject) {
    main().FileNew();
    saveAs(path("a.qkz"));
    app.get<Form26>().txt1.setText("0.4");
    main().FileNew();
    EXPECT_EQ(app.get<Form26>().txt1.Text(), "");
    EXPECT_EQ(main().Caption(), "Pelzaro");

    saveAs(path("b.qkz"));
    app.get<Form26>().txt2.setText("1.8");
    host.answerNext(MsgAnswer::OK);
    main().Men_FCls_Click();
    EXPECT_EQ(app.get<Form26>().txt2.Text(), "");
    EXPECT_EQ(main().Caption(), "Pelzaro");
}

}  // namespace
}  // namespace pelzaro
