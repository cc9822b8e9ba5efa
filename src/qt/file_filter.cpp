#include "qt/file_filter.h"

#include <QStringList>

#include "qt/qt_text.h"

namespace pelzaro {

// "Pelzaro(.qkz)|*.qkz" → "Pelzaro(.qkz) (*.qkz)": pairs of description and patterns.
QString qtFileFilter(const std::string& filter) {
    QStringList parts = toQ(filter).split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        out << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return out.join(QStringLiteral(";;"));
}

}  // namespace pelzaro
