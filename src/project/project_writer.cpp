#include "project/project_writer.h"

#include "forms/app.h"
#include "forms/controls.h"
#include "project/binding.h"
#include "project/cp932.h"
#include "project/layout.h"
#include "project/line_file.h"
#include "project/value_forms.h"
#include "state/module1.h"

namespace pelzaro {

namespace {

std::string deltaFlagLine(const DeltaCalcFlag& flag) {
    if (flag.isEmpty()) return {};
    if (flag.isText()) return flag.text();
    return formatInteger(flag);
}

std::string controlText(const Control* c) {
    if (auto* box = dynamic_cast<const TextBox*>(c)) return box->Text();
    if (auto* combo = dynamic_cast<const ComboBox*>(c)) return combo->Text();
    if (auto* label = dynamic_cast<const Label*>(c)) return label->Caption();
    return {};
}

std::string controlLine(const LineSpec& entry, const Control* c) {
    switch (entry.target) {
        case Target::Option: {
            auto* option = dynamic_cast<const OptionButton*>(c);
            return formatBoolean(option && option->Value());
        }
        case Target::Check: {
            auto* check = dynamic_cast<const CheckBox*>(c);
            return formatInteger(check ? check->Value() : 0);
        }
        case Target::ListIndex: {
            auto* combo = dynamic_cast<const ComboBox*>(c);
            return formatInteger(combo ? combo->ListIndex() : -1);
        }
        default:
            return controlText(c);
    }
}

std::string lineOf(App& app, const LineSpec& entry) {
    if (entry.target == Target::DeltaFlag) return deltaFlagLine(app.m.Flg_DeltaCalc);
    if (entry.target == Target::Single) {
        const float* value = singleOf(app.m, entry.name);
        // The design state never holds a non-finite value; 0 keeps the file readable if one
        // slipped through.
        auto text = formatSingle(value ? *value : 0.0f);
        return text ? *text : *formatSingle(0.0f);
    }
    return controlLine(entry, controlOf(app, entry));
}

std::string unsavable(const LineSpec& entry, const std::string& what) {
    return "「" + fieldName(entry) + "」に、プロジェクトファイルに保存できない" + what +
           "があります。\n別の文字に直してから保存してください。";
}

std::string writeFailure(FileFailure failure, const std::string& path) {
    std::string why;
    switch (failure) {
        case FileFailure::NotFound:
            why = "保存先のフォルダが見つかりません。";
            break;
        case FileFailure::NoAccess:
            why = "このファイルまたはフォルダに書き込む権限がありません。";
            break;
        case FileFailure::NotAFile:
            why = "同じ名前のフォルダなどがあり、ファイルとして保存できません。";
            break;
        default:
            why = "ディスクへの書き込みに失敗しました。";
            break;
    }
    return "プロジェクトファイルを保存できませんでした。\n" + path + "\n" + why +
           "\n元のファイルは変更されていません。";
}

}  // namespace

std::vector<std::string> collectProjectLines(App& app) {
    const int page = app.m.Flg_Page;  // creating a window hidden must not move the marker
    std::vector<std::string> lines;
    for (const LineSpec& entry : projectLayout()) lines.push_back(lineOf(app, entry));
    app.m.Flg_Page = page;
    return lines;
}

ProjectWriteOutcome encodeProject(const std::vector<std::string>& lines, std::string& bytes) {
    bytes.clear();
    std::vector<std::string> encoded;
    const auto& layout = projectLayout();
    for (size_t i = 0; i < lines.size() && i < layout.size(); ++i) {
        if (lines[i].find_first_of("\r\n") != std::string::npos)
            return {false, unsavable(layout[i], "改行")};
        Cp932Encoded line = encodeCp932(lines[i]);
        if (!line.ok) return {false, unsavable(layout[i], "文字「" + line.offending + "」")};
        encoded.push_back(line.bytes);
    }
    bytes = joinCrLf(encoded);
    return {true, {}};
}

ProjectWriteOutcome writeProject(App& app, const std::string& path) {
    std::string bytes;
    ProjectWriteOutcome encoded = encodeProject(collectProjectLines(app), bytes);
    if (!encoded.ok) return encoded;
    FileOutcome written = writeFileAtomically(path, bytes);
    if (!written.ok()) return {false, writeFailure(written.failure, path)};
    return {true, {}};
}

}  // namespace pelzaro
