#pragma once
// Contents of the reference windows: headings, notes and tables (first row = column heads).

#include <string>
#include <vector>

namespace pelzaro {

struct RefBlock {
    enum Kind { Heading, Note, Table } kind;
    std::string text;
    std::vector<std::vector<std::string>> rows;
};

// Residential-land regulations and the building standards (Form10).
const std::vector<RefBlock>& residentialLandTables();
// Road earthwork retaining-wall guideline (Form9).
const std::vector<RefBlock>& roadEarthworkTables();

}  // namespace pelzaro
