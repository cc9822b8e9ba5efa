#include "kentou_page.h"

#include "report/sections.h"
#include "support/report_support.h"

namespace pelzaro {

KentouPage::KentouPage() : SectionBench(Form4_KENTOU) {
    opt.std_T = true;
    opt.case_N = true;
    opt.shapeOneSided = true;
    opt.keyNone = true;
    opt.n_F15AndBOver6 = true;
    m.Syou_No = "1";
    m.Mr = 100.123f, m.Mo = 40.0f, m.SumV = 60.0f, m.d = 1.001f, m.B = 2.4f, m.e = 0.199f;
    m.F_Tentou = 2.503f;
    m.Sigma_max = 45.678f, m.Sigma_min = 4.321f, m.Qa = 150.0f;
    m.SumH = 20.5f, m.C = 0.0f, m.Mu = 0.6f, m.RH = 36.0f, m.F_Katsudou = 1.756f;
    m.A_eff = 2.002f;
}

std::vector<std::string> KentouPage::textsWith(const std::string& part) {
    std::vector<std::string> found;
    for (const std::string& line : draw())
        if (line.rfind("T ", 0) == 0 && line.find(part) != std::string::npos) found.push_back(line);
    return found;
}

std::vector<std::string> between(const std::vector<std::string>& lines, const std::string& from,
                                 const std::string& to) {
    std::vector<std::string> out;
    bool in = false;
    for (const std::string& line : lines) {
        if (!in && line.find(from) != std::string::npos)
            in = true;
        else if (in && !to.empty() && line.find(to) != std::string::npos)
            break;
        if (in) out.push_back(line);
    }
    return out;
}

int failingBlocks(const std::vector<std::string>& lines) {
    int blocks = 0;
    bool inBlock = false;
    for (const std::string& line : lines) {
        const bool failing = line.rfind("T ", 0) == 0 && line.find(" 13 \"") != std::string::npos;
        if (failing) {
            inBlock = true;
        } else if (line == "BEEP") {
            if (!inBlock) return -1;
            inBlock = false;
            ++blocks;
        } else if (inBlock) {
            return -1;
        }
    }
    return inBlock ? -1 : blocks;
}

bool noBadNumbers(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        if (line.rfind("T ", 0) == 0 && !badNumberIn(line).empty()) return false;
    }
    return true;
}

std::vector<std::string> shown(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const std::string& line : lines) {
        if (line == "BEEP") {
            out.push_back(line);
            continue;
        }
        if (line.rfind("T ", 0) != 0) continue;
        // T x y size colour "text"
        std::string::size_type quote = line.find('"');
        std::string head = line.substr(0, quote - 1);
        std::string colour = head.substr(head.rfind(' ') + 1);
        out.push_back(colour + " " + line.substr(quote + 1, line.size() - quote - 2));
    }
    return out;
}

}  // namespace pelzaro
