#include "random_user.h"

#include <algorithm>
#include <cstdio>

#include "agreement.h"
#include "conditions/form3.h"
#include "forms/controls.h"
#include "frame/mdiform1.h"
#include "members/form7.h"
#include "preview/form15.h"
#include "preview/preview_page.h"
#include "preview/preview_paging.h"
#include "stability/form23.h"
#include "stability/form4.h"
#include "support/samples.h"

namespace pelzaro {

namespace {

std::string quoted(const std::string& s) { return "\"" + s + "\""; }

// The preview page in front, if the preview is open.
PreviewPage* shownPreviewPage(App& app) {
    for (Window* w : app.windows())
        if (auto* p = dynamic_cast<PreviewPage*>(w); p != nullptr && p->Visible()) return p;
    return nullptr;
}

// A choice weighted by the numbers beside it; entries of weight 0 are never chosen.
template <class T>
T weighted(RandomUser& user, const std::vector<std::pair<T, int>>& entries) {
    int total = 0;
    for (const auto& e : entries) total += e.second;
    int r = user.below(std::max(total, 1));
    for (const auto& e : entries) {
        if (r < e.second) return e.first;
        r -= e.second;
    }
    return entries.front().first;
}

int decimalsOf(const std::string& text) {
    size_t dot = text.find('.');
    if (dot == std::string::npos) return 0;
    int n = 0;
    for (size_t i = dot + 1; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) ++n;
    return std::min(n, 3);
}

}  // namespace

std::string controlName(const Control& c) { return c.window().name() + "." + c.name(); }

MsgAnswer WalkHost::msgBox(const Message& message) {
    TestHost::msgBox(message);  // recorded as the test host records it
    return user != nullptr ? user->answer(message) : MsgAnswer::OK;
}

void WalkHost::runModal(Window& window) {
    modalsRun.push_back(window.name());
    if (user != nullptr) user->workModal(window);
}

RandomUser::RandomUser(unsigned seed, WalkHost& host, App& app, std::vector<std::string> samples,
                       std::string folder)
    : rng(seed), host_(host), app_(app), samples_(std::move(samples)), folder_(std::move(folder)) {
    host_.user = this;
}

MsgAnswer RandomUser::answer(const Message& message) {
    const bool first = chance(75);
    switch (message.buttons) {
        case MsgButtons::OKOnly:
            return MsgAnswer::OK;
        case MsgButtons::OKCancel:
            note("  answers " + std::string(first ? "OK" : "Cancel") + " to " + quoted(message.text));
            return first ? MsgAnswer::OK : MsgAnswer::Cancel;
        case MsgButtons::YesNo:
        case MsgButtons::YesNoCancel:
            note("  answers " + std::string(first ? "Yes" : "No") + " to " + quoted(message.text));
            return first ? MsgAnswer::Yes : MsgAnswer::No;
    }
    return MsgAnswer::OK;
}

std::string RandomUser::nextSavePath() {
    return folder_ + "/walk-" + std::to_string(++saves_) + ".qkz";
}

std::vector<Control*> RandomUser::reachableControls() const {
    std::vector<Control*> out;
    for (Window* w : app_.windows()) {
        if (!w->takesUserInput()) continue;
        for (Control* c : w->controls()) {
            if (!c->userCanReach()) continue;
            switch (c->kind()) {
                case ControlKind::TextBox:
                case ControlKind::ComboBox:
                case ControlKind::CommandButton:
                case ControlKind::CheckBox:
                    out.push_back(c);
                    break;
                case ControlKind::OptionButton:
                    if (static_cast<OptionButton*>(c)->userMayClick) out.push_back(c);
                    break;
                default:
                    break;
            }
        }
    }
    return out;
}

std::string RandomUser::textFor(const std::string& current) {
    static const char* const junk[] = {"x", "-", ".", "0", "-1", "ab", "1x"};
    static const char* const plain[] = {"0.3", "0.5", "1", "2", "5", "10",  "18",
                                        "20",  "25",  "30", "150", "200", "250", "300"};
    static const double factors[] = {0.5, 0.8, 0.9, 0.95, 1.05, 1.1, 1.2, 1.5, 2.0};
    switch (below(10)) {
        case 0:
            return current;
        case 1:
            return "";
        case 2:
            return junk[below(7)];
        case 3:
            return plain[below(14)];
        default:
            break;
    }
    double x = leadingNumber(current);
    if (x == 0.0) return plain[below(14)];
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimalsOf(current), x * factors[below(9)]);
    return buf;
}

void RandomUser::editText(TextBox& box) {
    const std::string text = textFor(box.Text());
    const std::string name = controlName(box);
    switch (below(10)) {
        case 0:
            note(name + " click");
            box.click();
            break;
        case 1:
        case 2:
            note(name + " paste " + quoted(text));
            box.userEdit(text);
            break;
        case 3:
        case 4:
        case 5:
            note(name + " click, type " + quoted(text) + ", Enter");
            box.click();
            box.type(text);
            box.pressEnter();
            break;
        default:
            note(name + " click, type " + quoted(text));
            box.click();
            box.type(text);
            break;
    }
}

void RandomUser::editList(ComboBox& list) {
    const std::string name = controlName(list);
    if (list.Style() == 0 && chance(30)) {
        static const char* const typed[] = {"土", "砂", "x", ""};
        const std::string text = typed[below(4)];
        const bool enter = chance(40);
        note(name + " type " + quoted(text) + (enter ? ", Enter" : ""));
        list.type(text);
        if (enter) list.pressEnter();
        return;
    }
    if (list.ListCount() == 0) return;
    int index = below(list.ListCount());
    note(name + " pick " + std::to_string(index) + " " + quoted(list.List(index)));
    list.pick(index);
}

void RandomUser::controlAction(const std::vector<Control*>& reachable) {
    if (reachable.empty()) return;
    // Mostly the window in front (the modal dialog, else the active page); now and then a
    // control of a page behind it that the user can still reach.
    Window* front = app_.modalWindow() != nullptr ? app_.modalWindow() : app_.activeWindow();
    std::vector<Control*> inFront;
    for (Control* c : reachable)
        if (&c->window() == front) inFront.push_back(c);
    const bool behind = !chance(85);
    const std::vector<Control*>& from = inFront.empty() || behind ? reachable : inFront;
    Control* c = from[static_cast<size_t>(below(static_cast<int>(from.size())))];
    switch (c->kind()) {
        case ControlKind::TextBox:
            editText(*static_cast<TextBox*>(c));
            break;
        case ControlKind::ComboBox:
            editList(*static_cast<ComboBox*>(c));
            break;
        case ControlKind::CommandButton: {
            auto* b = static_cast<CommandButton*>(c);
            note(controlName(*b) + " click " + quoted(b->Caption()));
            b->click();
            break;
        }
        case ControlKind::OptionButton: {
            auto* o = static_cast<OptionButton*>(c);
            note(controlName(*o) + " click " + quoted(o->Caption()));
            o->click();
            break;
        }
        case ControlKind::CheckBox: {
            auto* k = static_cast<CheckBox*>(c);
            note(controlName(*k) + " click " + quoted(k->Caption()));
            k->click();
            break;
        }
        default:
            break;
    }
}

void RandomUser::workModal(Window& dialog) {
    if (auto* range = dynamic_cast<Form15*>(&dialog); range != nullptr && plannedRange) {
        OptionButton* choice = &range->opt5;
        switch (*plannedRange) {
            case PrintRange::Range_General: choice = &range->opt1; break;
            case PrintRange::Range_Stability: choice = &range->opt2; break;
            case PrintRange::Range_Section: choice = &range->opt3; break;
            case PrintRange::Range_StabSection: choice = &range->opt4; break;
            default: break;
        }
        plannedRange.reset();
        note("  Form15 " + choice->name() + " " + quoted(choice->Caption()) +
             (plannedNumbering ? ", page numbers" : "") + ", ＯＫ");
        choice->click();
        if ((range->chk_P.Value() == 1) != plannedNumbering) range->chk_P.click();
        range->cmd1.click();
        return;
    }
    note("  in " + dialog.name() + ":");
    for (int budget = below(6); budget > 0 && dialog.isModal(); --budget)
        controlAction(reachableControls());
    if (!dialog.isModal()) return;
    std::vector<CommandButton*> buttons;
    for (Control* c : dialog.controls())
        if (c->kind() == ControlKind::CommandButton && c->userCanReach())
            buttons.push_back(static_cast<CommandButton*>(c));
    if (!buttons.empty() && chance(60)) {
        CommandButton* b = buttons[static_cast<size_t>(below(static_cast<int>(buttons.size())))];
        note("  " + controlName(*b) + " click " + quoted(b->Caption()));
        b->click();
    } else {
        note("  " + dialog.name() + " closed by its close box");
        dialog.userClose();
    }
}

void RandomUser::printThroughTheDialog(PrintRange range, bool numbered) {
    MDIForm1& main = app_.get<MDIForm1>();
    main.Men_F_Click();
    if (!main.Men_FPrn.enabled || previewIsOpen(app_)) return;
    plannedRange = range;
    plannedNumbering = numbered;
    askedRange = range;
    note("File ▸ 印刷");
    main.Men_FPrn.choose();
    plannedRange.reset();
}

const std::string& RandomUser::anySample() {
    return samples_[static_cast<size_t>(below(static_cast<int>(samples_.size())))];
}

void RandomUser::openSample() {
    const std::string& path = anySample();
    note("File ▸ 開く " + sampleName(path));
    host_.fileAnswers.push_back(path);
    app_.get<MDIForm1>().Men_FOpn.choose();
}

void RandomUser::fileMenu() {
    MDIForm1& main = app_.get<MDIForm1>();
    main.Men_F_Click();
    if (!main.Men_F.enabled) return;  // locked by the reference tables
    enum Item { New, Open, Close, Overwrite, SaveAs, Image, Print, Version, Reference };
    Item item = weighted<Item>(*this, {{New, 1},
                                       {Open, 2},
                                       {Close, 1},
                                       {Overwrite, main.Men_FOvw.enabled ? 4 : 0},
                                       {SaveAs, main.Men_FSav.enabled ? 4 : 0},
                                       {Image, main.Men_FImg.enabled ? 8 : 0},
                                       {Print, main.Men_FPrn.enabled ? 6 : 0},
                                       {Version, 1},
                                       {Reference, 1}});
    switch (item) {
        case New:
            note("File ▸ 新規作成");
            main.Men_FNew.choose();
            break;
        case Open:
            openSample();
            break;
        case Close:
            note("File ▸ 閉じる");
            main.Men_FCls.choose();
            break;
        case Overwrite:
            note("File ▸ 上書き保存");
            main.Men_FOvw.choose();
            savedPath = main.CommonDialog1_FileName;
            break;
        case SaveAs: {
            std::string path = nextSavePath();
            note("File ▸ 名前を付けて保存 " + path);
            host_.fileAnswers.push_back(path);
            main.Men_FSav.choose();
            savedPath = path;
            break;
        }
        case Image:
            note("File ▸ 印刷イメージ");
            main.Men_FImg.choose();
            break;
        case Print:
            note("File ▸ 印刷");
            main.Men_FPrn.choose();
            break;
        case Version:
            note("ヘルプ ▸ バージョン");
            main.Men_FVer.choose();
            break;
        case Reference:
            note("参考");
            main.Men_S.choose();
            break;
    }
}

void RandomUser::toolbar() {
    MDIForm1& main = app_.get<MDIForm1>();
    if (!main.Toolbar1.visible) return;
    std::vector<std::pair<int, int>> buttons;
    for (int index : {1, 2, 3, 5, 6}) {
        const ToolButton& b = main.Toolbar1.button(index);
        if (b.enabled) buttons.push_back({index, index == 1 ? 1 : index == 2 ? 2 : 5});
    }
    if (buttons.empty()) return;
    int index = weighted<int>(*this, buttons);
    if (index == 2) {
        host_.fileAnswers.push_back(anySample());
        note("toolbar 2 開く " + sampleName(host_.fileAnswers.back()));
    } else {
        note("toolbar " + std::to_string(index) + " " + main.Toolbar1.button(index).toolTip);
    }
    main.Toolbar1.press(index);
    if (index == 3) savedPath = main.CommonDialog1_FileName;
    host_.fileAnswers.clear();  // a dialog that did not come leaves no answer behind
}

void RandomUser::previewMenu() {
    PreviewPage* page = shownPreviewPage(app_);
    if (page == nullptr) return;
    std::vector<std::pair<MenuItem*, int>> items;
    for (auto [item, weight] : std::vector<std::pair<MenuItem*, int>>{
             {&page->Men_Nex, 6}, {&page->Men_Pre, 3}, {&page->Men_Prn, 1}, {&page->Men_Cls, 2}})
        if (item->enabled && item->visible && item->Click) items.push_back({item, weight});
    if (items.empty()) return;
    MenuItem* item = weighted<MenuItem*>(*this, items);
    note(page->name() + " (page " + std::to_string(page->reportPage()) + ") ▸ " + item->caption);
    item->choose();
}

void RandomUser::pushOn() {
    Window* front = app_.activeWindow();
    if (auto* conditions = dynamic_cast<Form3*>(front)) {
        note("Form3.cmd3 click \"地盤の形状 >\"");
        conditions->cmd3.click();
    } else if (auto* shape = dynamic_cast<Form23*>(front)) {
        note("Form23.cmd1 click " + quoted(shape->cmd1.Caption()));
        shape->cmd1.click();
    } else if (auto* wall = dynamic_cast<Form4*>(front)) {
        CommandButton& b = wall->stabilityDisplayCurrent() && chance(70) ? wall->cmd1 : wall->cmd3;
        note(controlName(b) + " click " + quoted(b.Caption()));
        b.click();
    } else if (auto* members = dynamic_cast<Form7*>(front)) {
        for (const Form7Row& r : members->rows()) {
            if (!r.barKind->userCanReach()) continue;
            if (r.barKind->Text().empty() && r.barKind->ListCount() > 0) {
                int index = below(r.barKind->ListCount());
                note(controlName(*r.barKind) + " pick " + std::to_string(index) + " " +
                     quoted(r.barKind->List(index)));
                r.barKind->pick(index);
            }
            const std::string computed = r.computedSpacing->Caption();
            if (computed.empty() || (!r.verdict->Caption().empty() && chance(80))) continue;
            static const int spacings[] = {100, 150, 200, 250, 300};
            int spacing = std::min(static_cast<int>(leadingNumber(computed)), spacings[below(5)]);
            const std::string text = std::to_string(std::max(spacing, 1));
            note(controlName(*r.designSpacing) + " click, type " + quoted(text));
            r.designSpacing->click();
            r.designSpacing->type(text);
        }
        note("Form7.cmd1 click \"応力度計算\"");
        members->cmd1.click();
    }
}

void RandomUser::act() {
    if (previewIsOpen(app_)) {
        if (chance(85)) {
            previewMenu();
        } else {
            controlAction(reachableControls());
        }
        return;
    }
    enum Kind { Controls, PushOn, File, Tools, Print };
    switch (weighted<Kind>(*this, {{Controls, 55}, {PushOn, 20}, {File, 12}, {Tools, 5}, {Print, 8}})) {
        case Controls:
            controlAction(reachableControls());
            break;
        case PushOn:
            pushOn();
            break;
        case File:
            fileMenu();
            break;
        case Tools:
            toolbar();
            break;
        case Print: {
            static const PrintRange ranges[] = {PrintRange::Range_General, PrintRange::Range_Stability,
                                                PrintRange::Range_Section, PrintRange::Range_StabSection,
                                                PrintRange::Range_All};
            printThroughTheDialog(ranges[below(5)], chance(30));
            break;
        }
    }
}

}  // namespace pelzaro
