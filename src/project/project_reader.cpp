#include "project/project_reader.h"

#include <optional>

#include "forms/utf8.h"
#include "project/condition_lines.h"
#include "project/cp932.h"
#include "project/layout.h"
#include "project/line_file.h"
#include "project/value_forms.h"

namespace pelzaro {

namespace {

const char kHeading[] = "プロジェクトファイルを開けません。\n";

std::string lineLabel(int number) {
    return std::to_string(number) + "行目";
}

// The offending text as the message shows it: short, so the box stays readable.
std::string quoted(const std::string& text) {
    std::string shown = utf8::length(text) > 20 ? utf8::mid(text, 0, 20) + "…" : text;
    return "（「" + shown + "」）";
}

std::optional<std::string> problemOf(const LineSpec& entry, const std::string& text) {
    switch (entry.target) {
        case Target::Option:
            if (!parseBoolean(text)) return "True か False でなければなりません" + quoted(text);
            break;
        case Target::Check:
            if (!parseInteger(text, 0, 1)) return "0 か 1 でなければなりません" + quoted(text);
            break;
        case Target::ListIndex:
            if (!parseInteger(text, -1, 20))
                return "鉄筋の種類は -1 から 20 までの整数でなければなりません" + quoted(text);
            break;
        case Target::Single:
            if (!parseSingle(text)) return "数値でなければなりません" + quoted(text);
            break;
        case Target::Text:
        case Target::Caption:
        case Target::DeltaFlag:
            break;  // any text is a valid text
    }
    return std::nullopt;
}

// A project's texts come from single-line fields: a control character (a NUL, a form feed, a
// lone CR) marks a file that is not a project file, or a damaged one.
bool hasControlCharacter(const std::string& text) {
    for (char c : text)
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F) return true;
    return false;
}

ProjectReadOutcome refuse(const std::string& why) {
    ProjectReadOutcome outcome;
    outcome.message = kHeading + why;
    return outcome;
}

std::string readFailure(FileFailure failure) {
    switch (failure) {
        case FileFailure::NotFound:
            return "ファイルが見つかりません。";
        case FileFailure::NoAccess:
            return "ファイルを読む権限がありません。";
        case FileFailure::NotAFile:
            return "プロジェクトファイルではありません。";
        default:
            return "ファイルを読み込めませんでした。";
    }
}

}  // namespace

ProjectReadOutcome parseProjectBytes(const std::string& bytes) {
    std::vector<std::string> raw = splitLines(bytes);
    if (static_cast<int>(raw.size()) < kCoreLines)
        return refuse("行が足りません：" + lineLabel(static_cast<int>(raw.size()) + 1) +
                      "がありません（" + std::to_string(kCoreLines) + "行必要です）。");
    ProjectReadOutcome outcome;
    for (const LineSpec& entry : projectLayout()) {
        if (entry.line > static_cast<int>(raw.size())) {
            outcome.project.lines.emplace_back();
            continue;
        }
        Cp932Decoded decoded = decodeCp932(raw[static_cast<size_t>(entry.line - 1)]);
        if (!decoded.ok || hasControlCharacter(decoded.text))
            return refuse(lineLabel(entry.line) +
                          "に Shift-JIS の文字として読めない部分があります。");
        if (auto problem = problemOf(entry, decoded.text))
            return refuse(lineLabel(entry.line) + "：" + *problem + "。");
        outcome.project.lines.push_back(decoded.text);
    }
    // The values the pages would refuse, where they lead the calculation astray.
    if (auto problem = conditionsProblem(outcome.project)) {
        const LineSpec& entry = projectLayout()[static_cast<size_t>(problem->line - 1)];
        return refuse(lineLabel(entry.line) + "（" + fieldName(entry) + "）：" + problem->why +
                      quoted(outcome.project.line(entry.line)) + "。");
    }
    outcome.ok = true;
    return outcome;
}

ProjectReadOutcome readProjectFile(const std::string& path) {
    std::string bytes;
    FileOutcome read = readWholeFile(path, bytes);
    ProjectReadOutcome outcome =
        read.ok() ? parseProjectBytes(bytes) : refuse(readFailure(read.failure));
    // The box names the file too: the user may have picked a neighbour by mistake.
    if (!outcome.ok) outcome.message.insert(sizeof kHeading - 1, path + "\n");
    return outcome;
}

}  // namespace pelzaro
