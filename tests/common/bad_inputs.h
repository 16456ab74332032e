#pragma once

// The catalogue of bad input (bad_inputs.tsv), as the widget tests see it.
// The end-to-end script reads the same file, so a class of input added there
// reaches every text box of every program on both paths.

#include <QFile>
#include <QString>
#include <QStringList>

#include <optional>
#include <stdexcept>
#include <vector>

namespace badinputs {

struct Row {
    QString tag;
    QString text;
    // What a box makes of the text once cut to its length; empty: refused.
    std::optional<int> interval; // a 6-character interval box, in ms
    std::optional<int> spins;    // the 3-character number of spins
    bool endToEnd = false;
};

// \t, \xHH and \uHHHH keep control and non-ASCII characters readable.
inline QString unescape(const QString &field) {
    QString text;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != u'\\' || i + 1 >= field.size()) {
            text += field[i];
            continue;
        }
        const QChar kind = field[++i];
        const int digits = kind == u'x' ? 2 : kind == u'u' ? 4 : 0;
        if (kind == u't') {
            text += u'\t';
        } else if (kind == u'\\') {
            text += u'\\';
        } else if (digits > 0 && i + digits < field.size()) {
            bool ok = false;
            text += QChar(char16_t(field.mid(i + 1, digits).toUShort(&ok, 16)));
            if (!ok)
                throw std::runtime_error("bad escape in " + field.toStdString());
            i += digits;
        } else {
            throw std::runtime_error("bad escape in " + field.toStdString());
        }
    }
    return text;
}

inline std::optional<int> outcome(const QString &field) {
    if (field == u"refused")
        return std::nullopt;
    bool ok = false;
    const int value = field.toInt(&ok);
    if (!ok)
        throw std::runtime_error("bad outcome " + field.toStdString());
    return value;
}

inline std::vector<Row> load(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw std::runtime_error("cannot read " + path.toStdString());
    std::vector<Row> rows;
    bool header = true;
    while (!file.atEnd()) {
        QString line = QString::fromUtf8(file.readLine());
        if (line.endsWith(u'\n'))
            line.chop(1);
        if (line.startsWith(u'#') || line.isEmpty())
            continue;
        if (header) { // column names
            header = false;
            continue;
        }
        const QStringList fields = line.split(u'\t');
        if (fields.size() != 5)
            throw std::runtime_error("bad row: " + line.toStdString());
        rows.push_back({fields[0], unescape(fields[1]), outcome(fields[2]), outcome(fields[3]),
                        fields[4] == u"yes"});
    }
    return rows;
}

} // namespace badinputs
