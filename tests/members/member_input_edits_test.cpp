// Every edit of something a member row was computed from, made as a user makes it (typed,
// pasted, picked, clicked; on a page or in a dialog), withdraws that row's results, what it
// computed for the report, and the stress check. Rows the edit does not reach keep theirs, so
// an edit withdraws exactly what it affects.

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "conditions/form3.h"
#include "frame/mdiform1.h"
#include "members/calc/member_state.h"
#include "members/form22.h"
#include "members/form7.h"
#include "members/page_calc.h"
#include "members/page_context.h"
#include "stability/form14.h"
#include "stability/form19.h"
#include "stability/form23.h"
#include "stability/form26.h"
#include "stability/form4.h"
#include "state/module1.h"
#include "support/samples.h"
#include "support/test_host.h"

namespace pelzaro {
namespace {

using Strings = std::vector<std::string>;

const char* const kResidentialKey = "residential-seismic-k1-key.qkz";
const char* const kRoadKey = "road-seismic-k2-key.qkz";
const char* const kOneSided = "residential-normal-one-sided.qkz";
const char* const kEveryRow = "ABCDEFGH";

// One program whose user opens a sample and goes through its pages.
struct User {
    TestHost host;
    App app{host};
    MDIForm1& main = app.get<MDIForm1>();

    void openSampleNamed(const std::string& name) { openSample(host, app, samplePath(name)); }

    Form3& conditionsPage() { return app.get<Form3>(); }
    Form4& wallPage() { return app.get<Form4>(); }
    Form7& memberPage() { return app.get<Form7>(); }

    // From the design-conditions page, where Open leaves the user, to the wall dimensions.
    Form4& toTheWallDimensions() {
        conditionsPage().cmd3.click();   // 地盤の形状 >
        app.get<Form23>().cmd1.click();  // 寸法の入力 >
        return wallPage();
    }
    Form7& toTheMemberDesign() {
        toTheWallDimensions().cmd1.click();  // 断面計算 >
        return memberPage();
    }
    // "突起の計算" from the member page by way of "< 寸法の変更", with the dialog's script.
    template <class Dialog>
    void inTheKeyDialog(std::function<void(Dialog&)> script) {
        toTheMemberDesign().cmd3.click();  // < 寸法の変更
        host.onModal<Dialog>(std::move(script));
        wallPage().cmd5.click();  // 突起の計算
    }
    // Another bar kind than the row holds.
    void pickAnotherBarKind(char letter) {
        ComboBox& list = *memberPage().row(letter).barKind;
        list.pick(list.ListIndex() == 6 ? 4 : 6);  // "  D19", else "  D16"
    }
};

struct MemberInputEdit {
    const char* name;
    const char* sample;
    std::function<void(User&)> edit;
    std::string withoutResults;  // rows that must show no stresses and no verdict
    std::string emptied;         // rows that must hold no bar kind, spacing or design either
    Strings messages;
};

void PrintTo(const MemberInputEdit& c, std::ostream* os) {
    *os << c.name;
}

bool exists(User& u, char letter) {
    return rowExists(u.app, letter);
}

Strings resultsOf(const Form7Row& r) {
    return {r.sigmaC->Caption(), r.sigmaS->Caption(), r.tauC->Caption(), r.verdict->Caption()};
}

class MemberInputEdits : public ::testing::TestWithParam<MemberInputEdit> {};

TEST_P(MemberInputEdits, WithdrawTheRowsTheyReachAndTheStressCheck) {
    const MemberInputEdit& c = GetParam();
    User u;
    u.openSampleNamed(c.sample);
    ASSERT_EQ(u.app.m.Flg_Ouryoku, 1) << "the sample opens with its stress check standing";
    u.host.clearRecords();

    c.edit(u);

    EXPECT_EQ(u.host.messageTexts(), c.messages);
    EXPECT_EQ(u.app.m.Flg_Ouryoku, 0) << "the stress check is withdrawn";
    for (const Form7Row& r : u.memberPage().rows()) {
        if (!exists(u, r.letter)) continue;
        SCOPED_TRACE(std::string("row ") + r.letter);
        const bool withdrawn = c.withoutResults.find(r.letter) != std::string::npos;
        const bool emptied = c.emptied.find(r.letter) != std::string::npos;
        if (withdrawn || emptied) {
            EXPECT_EQ(resultsOf(r), (Strings{"", "", "", ""}));
        } else {
            EXPECT_EQ(r.verdict->Caption(), "O.K") << "a row the edit does not reach stands";
            EXPECT_NE(members::designedPart(u.app.m, partOf(r.letter)), nullptr);
        }
        if (!emptied) continue;
        EXPECT_EQ(r.barKind->Text(), "");
        EXPECT_EQ(r.computedSpacing->Caption(), "");
        EXPECT_EQ(r.designSpacing->Text(), "");
        EXPECT_EQ(members::designedPart(u.app.m, partOf(r.letter)), nullptr)
            << "the report keeps nothing the row computed";
    }
}

// The rebar-cover dialog with the slab's cover changed; the samples leave its other boxes
// empty, so they are given the 60 mm their rows show.
void slabCover(User& u, const char* cover) {
    u.host.onModal<Form22>([cover](Form22& d) {
        for (TextBox* box : {&d.txt1, &d.txt3, &d.txt4, &d.txt5, &d.txt6})
            if (box->Text().empty()) box->setText("60");
        d.txt3.setText(cover);
        d.cmd1.click();
    });
    u.toTheMemberDesign().cmd6.click();  // かぶり "変更"
}

INSTANTIATE_TEST_SUITE_P(
    Table, MemberInputEdits,
    ::testing::Values(
        // The dialog opens with the focus in H0: typing alone, without a click, is the edit.
        // キャンセル then puts the old height back, yet row H was already withdrawn.
        MemberInputEdit{"TypingTheKeyHeight",
                        kResidentialKey,
                        [](User& u) {
                            u.inTheKeyDialog<Form19>([](Form19& d) {
                                d.txt1.type("0.6");
                                d.cmd2.click();
                            });
                        },
                        "H",
                        "H",
                        {}},
        MemberInputEdit{"PastingTheKeyPosition",
                        kResidentialKey,
                        [](User& u) {
                            u.inTheKeyDialog<Form19>([](Form19& d) {
                                d.txt2.userEdit("1.9");
                                d.cmd2.click();
                            });
                        },
                        "H",
                        "H",
                        {}},
        MemberInputEdit{"TypingTheKeyWidth",
                        kResidentialKey,
                        [](User& u) {
                            u.inTheKeyDialog<Form19>([](Form19& d) {
                                d.txt3.type("0.5");
                                d.cmd2.click();
                            });
                        },
                        "H",
                        "H",
                        {}},
        MemberInputEdit{"TypingTheRoadKeyHeight",
                        kRoadKey,
                        [](User& u) {
                            u.inTheKeyDialog<Form26>([](Form26& d) {
                                d.txt1.type("0.7");
                                d.cmd2.click();
                            });
                        },
                        "H",
                        "H",
                        {}},
        MemberInputEdit{"PastingANegativeRoadKeyWidth",
                        kRoadKey,
                        [](User& u) {
                            u.inTheKeyDialog<Form26>([](Form26& d) {
                                d.txt3.userEdit("-0.3");
                                d.cmd2.click();
                            });
                        },
                        "H",
                        "H",
                        {}},
        // "計算" without an edit empties the sliding rows of the wall page: the stress check
        // goes with them, the member rows keep what they computed from unchanged key data.
        MemberInputEdit{
            "TheRoadKeyCheckWithoutAnEdit",
            kRoadKey,
            [](User& u) { u.inTheKeyDialog<Form26>([](Form26& d) { d.cmd1.click(); }); },
            "",
            "",
            {}},
        MemberInputEdit{
            "TheResidentialKeyCheckWithoutAnEdit",
            kResidentialKey,
            [](User& u) { u.inTheKeyDialog<Form19>([](Form19& d) { d.cmd1.click(); }); },
            "",
            "",
            {}},
        MemberInputEdit{"TheMemberWallFrictionAngle",
                        kOneSided,
                        [](User& u) {
                            u.conditionsPage().txt12.click();
                            u.conditionsPage().txt12.type("25");
                            u.toTheWallDimensions();
                        },
                        "",
                        kEveryRow,
                        {}},
        MemberInputEdit{"PickingAnotherBarKind",
                        kOneSided,
                        [](User& u) {
                            u.toTheMemberDesign();
                            u.pickAnotherBarKind('C');
                        },
                        "C",
                        "",
                        {}},
        MemberInputEdit{"ClickingIntoASpacingBox",
                        kOneSided,
                        [](User& u) { u.toTheMemberDesign().txt6.click(); },
                        "D",
                        "",
                        {}},
        // Emptying the coefficient empties the wall rows; a slab row picked then cannot be
        // designed and keeps nothing of its earlier design.
        MemberInputEdit{"EmptyingTheKaThenPickingABarKind",
                        kOneSided,
                        [](User& u) {
                            u.toTheMemberDesign().txt_ka.userEdit("");
                            u.pickAnotherBarKind('C');
                        },
                        "",
                        "ABC",
                        {"主働土圧係数を入力してください。"}},
        MemberInputEdit{
            "ChangingTheSlabCover", kOneSided, [](User& u) { slabCover(u, "70"); }, "CDE", "", {}},
        MemberInputEdit{"TickingTheSurchargeInertia",
                        kRoadKey,
                        [](User& u) { u.toTheMemberDesign().chk_1.click(); },
                        "",
                        "AB",
                        {}},
        MemberInputEdit{"TypingAWallDimension",
                        kOneSided,
                        [](User& u) {
                            Form4& wall = u.toTheWallDimensions();
                            wall.txt5.click();
                            wall.txt5.type("3");
                        },
                        "",
                        kEveryRow,
                        {}},
        // A soil kind and a check method enter no member row: the rows stand, the stress check
        // goes with the stability result they withdraw.
        MemberInputEdit{"TypingASoilKind",
                        kOneSided,
                        [](User& u) { u.conditionsPage().cbo1.type("土"); },
                        "",
                        "",
                        {}},
        MemberInputEdit{"ACheckMethodOfTheNormalCase",
                        kOneSided,
                        [](User& u) {
                            u.host.onModal<Form14>([](Form14& d) {
                                d.opt3.click();  // e <= B/6
                                d.cmd1.click();
                            });
                            u.toTheWallDimensions().cmd4.click();  // 安定性の検討方法
                        },
                        "",
                        "",
                        {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pelzaro
