#pragma once

// The catalogue of bad input (bad_inputs.tsv), as the widget tests see it.
// The end-to-end script reads the same file, so a class of input added there
// reaches every text box of every program on both paths.

#include <QFile>
#include <QRegularExpression>
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
};

inline void require(bool condition, const QString &what) {
    if (!condition)
        throw std::runtime_error(what.toStdString());
}

// \t and \uHHHH keep control and non-ASCII characters readable.
inline QString unescape(QString text) {
    text.replace(QStringLiteral("\\t"), QStringLiteral("\t"));
    for (qsizetype i; (i = text.indexOf(QStringLiteral("\\u"))) >= 0;) {
        bool ok = false;
        const char16_t code = text.mid(i + 2, 4).toUShort(&ok, 16);
        require(ok && i + 6 <= text.size(), "bad escape in " + text);
        text.replace(i, 6, QChar(code));
    }
    require(!text.contains(u'\\'), "bad escape in " + text);
    return text;
}

inline std::optional<int> outcome(const QString &field) {
    bool ok = false;
    const int value = field.toInt(&ok);
    require(ok || field == u"refused", "bad outcome " + field);
    return ok ? std::optional<int>(value) : std::nullopt;
}

inline std::vector<Row> load(const QString &path) {
    QFile file(path);
    require(file.open(QIODevice::ReadOnly | QIODevice::Text), "cannot read " + path);
    std::vector<Row> rows;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (const QString &line :
         lines.filter(QRegularExpression("^[^#]")).mid(1)) { // past the header
        const QStringList fields = line.split(u'\t');
        require(fields.size() == 5, "bad row: " + line);
        rows.push_back({fields[0], unescape(fields[1]), outcome(fields[2]), outcome(fields[3])});
    }
    return rows;
}

} // namespace badinputs
