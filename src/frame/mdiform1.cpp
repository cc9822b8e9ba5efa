#include "frame/mdiform1.h"

#include "forms/host.h"
#include "preview/report_steps.h"
#include "state/module1.h"

namespace pelzaro {

MDIForm1::MDIForm1(App& app)
    : Window(app, "MDIForm1", "Pelzaro", WindowRole::Main, 15360, 11520),
      reportSteps_(std::make_unique<ReportSteps>()) {
    setItem(Men_F, "Men_F", "ﾌｧｲﾙ(&F)");
    setItem(Men_FNew, "Men_FNew", "新規作成(&N)");
    setItem(Men_FOpn, "Men_FOpn", "開く(&O)");
    setItem(Men_FCls, "Men_FCls", "閉じる(&C)");
    setItem(Men_FL1, "Men_FL1", "");
    setItem(Men_FOvw, "Men_FOvw", "上書き保存(&V)");
    setItem(Men_FSav, "Men_FSav", "名前を付けて保存(&A)");
    setItem(Men_FL2, "Men_FL2", "");
    setItem(Men_FImg, "Men_FImg", "印刷イメージ(&I)");
    setItem(Men_FPrn, "Men_FPrn", "印刷(&P)");
    setItem(Men_FL3, "Men_FL3", "");
    setItem(Men_FEnd, "Men_FEnd", "終了(&X)");
    setItem(Men_S, "Men_S", "参考(&S)");
    setItem(Men_H, "Men_H", "ﾍﾙﾌﾟ(&H)");
    setItem(Men_FVer, "Men_FVer", "ﾊﾞｰｼﾞｮﾝ情報(&A)");
    Men_F.items = {&Men_FNew, &Men_FOpn, &Men_FCls, &Men_FL1, &Men_FOvw, &Men_FSav,
                   &Men_FL2,  &Men_FImg, &Men_FPrn, &Men_FL3, &Men_FEnd};
    Men_H.items = {&Men_FVer};

    const char* tips[] = {"[ファイル]-[新規作成]",   "[ファイル]-[開く]",
                          "[ファイル]-[上書き保存]", "",
                          "[ファイル]-[印刷ｲﾒｰｼﾞ]",  "[ファイル]-[印刷]"};
    for (int i = 0; i < 6; ++i) {
        ToolButton b;
        b.index = i + 1;
        b.toolTip = tips[i];
        b.separator = i == 3;
        Toolbar1.buttons.push_back(b);
    }
    Toolbar1.button(3).enabledWhen = [this] { return overwriteOffered(); };
    // The pages switch the print buttons on and off as their results come and go; neither is
    // ever offered where the File menu offers no printing, so no edit that withdraws the
    // stability result can leave a way to print the result it withdrew.
    for (int index : {5, 6}) {
        Toolbar1.button(index).enabledWhen = [this, index] {
            return Toolbar1.button(index).enabled && printOffered();
        };
    }
    wireMenus();
}

MDIForm1::~MDIForm1() = default;

void MDIForm1::setReportSteps(std::unique_ptr<ReportSteps> steps) {
    reportSteps_ = std::move(steps);
}

void MDIForm1::Form_Load() {
    state().Flg_Page = Page_None;
    Toolbar1.button(5).enabled = false;
    Toolbar1.button(6).enabled = false;
}

bool MDIForm1::MDIForm_QueryUnload() {
    MsgAnswer a = host().msgBox(
        Message{"終了してもよろしいですか?", "Pelzaro", MsgButtons::YesNo, MsgIcon::None, 1});
    if (a != MsgAnswer::Yes) return false;
    host().quit();
    return true;
}

}  // namespace pelzaro
