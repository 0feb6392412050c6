// The Excel writer over libxlsxwriter: each ruled table on a sheet of its own, the text lines of
// a page without a table as rows; numbers as numbers, dates as dates.
#include "officepackage.h"

#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <xlsxwriter.h>

#include <cmath>

using namespace officelayout;

namespace officewriters {
namespace {

struct Formats
{
    lxw_format *bold = nullptr;
    lxw_format *date = nullptr;
    lxw_format *percent = nullptr;
    lxw_format *wrap = nullptr;
};

// The value a cell's text stands for: a number, a date or text.
struct Value
{
    enum Kind { Text, Number, Percent, Date } kind = Text;
    double number = 0;
    QDate date;
};

Value valueOf(const QString &text)
{
    static const QRegularExpression number(
        QStringLiteral("^[-+\\x{2212}]?(\\d{1,3}(,\\d{3})+|\\d+)(\\.\\d+)?(%)?$"));
    static const QRegularExpression isoDate(
        QStringLiteral("^(\\d{4})[-/](\\d{1,2})[-/](\\d{1,2})$"));
    static const QRegularExpression dottedDate(
        QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4})$"));
    const QString t = text.trimmed();
    Value v;
    if (const auto m = number.match(t); m.hasMatch()) {
        // Leading zeros are part of codes, not numbers.
        const QString digits = m.captured(1);
        if (digits.size() > 1 && digits.startsWith(u'0') && m.captured(3).isEmpty())
            return v;
        QString plain = t;
        plain.remove(u',').remove(u'%').replace(QChar(0x2212), u'-');
        bool ok = false;
        const double n = plain.toDouble(&ok);
        if (ok && std::isfinite(n)) {
            v.kind = m.captured(4).isEmpty() ? Value::Number : Value::Percent;
            v.number = v.kind == Value::Percent ? n / 100 : n;
        }
        return v;
    }
    QDate date;
    if (const auto m = isoDate.match(t); m.hasMatch())
        date = QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    else if (const auto d = dottedDate.match(t); d.hasMatch())
        date = QDate(d.captured(3).toInt(), d.captured(2).toInt(), d.captured(1).toInt());
    if (date.isValid() && date.year() >= 1900) {
        v.kind = Value::Date;
        v.date = date;
    }
    return v;
}

bool allBold(const Paragraph &p)
{
    for (const Run &run : p.runs)
        if (!run.bold && !run.text.trimmed().isEmpty())
            return false;
    return !p.runs.isEmpty();
}

void writeCell(lxw_worksheet *sheet, int row, int column, const QString &text, bool bold,
               const Formats &formats)
{
    const Value value = valueOf(text);
    switch (value.kind) {
    case Value::Number:
        worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(column), value.number,
                               bold ? formats.bold : nullptr);
        return;
    case Value::Percent:
        worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(column), value.number,
                               formats.percent);
        return;
    case Value::Date: {
        lxw_datetime when{value.date.year(), value.date.month(), value.date.day(), 0, 0, 0};
        worksheet_write_datetime(sheet, lxw_row_t(row), lxw_col_t(column), &when, formats.date);
        return;
    }
    case Value::Text:
        break;
    }
    if (text.isEmpty())
        return;
    const QByteArray utf8 = xmlText(text).left(32767).toUtf8();
    worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(column), utf8.constData(),
                           bold ? formats.bold : (text.contains(u'\n') ? formats.wrap : nullptr));
}

void writeTable(lxw_worksheet *sheet, const Table &table, const Formats &formats)
{
    for (qsizetype c = 0; c + 1 < table.columns.size(); ++c) {
        // Column widths in characters of the default font, about 5.25 points each.
        const double width = (table.columns[c + 1] - table.columns[c]) / 5.25;
        worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), std::clamp(width, 4.0, 120.0),
                             nullptr);
    }
    for (const Cell &cell : table.cells) {
        const QString text = cell.text();
        const bool bold = !cell.paragraphs.isEmpty() && allBold(cell.paragraphs.first());
        if (cell.rowSpan > 1 || cell.columnSpan > 1) {
            const QByteArray utf8 = xmlText(text).left(32767).toUtf8();
            worksheet_merge_range(sheet, lxw_row_t(cell.row), lxw_col_t(cell.column),
                                  lxw_row_t(cell.row + cell.rowSpan - 1),
                                  lxw_col_t(cell.column + cell.columnSpan - 1), utf8.constData(),
                                  bold ? formats.bold : formats.wrap);
            const Value value = valueOf(text);
            if (value.kind != Value::Text)
                writeCell(sheet, cell.row, cell.column, text, bold, formats);
            continue;
        }
        writeCell(sheet, cell.row, cell.column, text, bold, formats);
    }
}

// The lines of a page, one a row; pieces apart on a line go to cells of their own.
void writeLines(lxw_worksheet *sheet, const Page &page, const Formats &formats)
{
    int row = 0;
    int widest = 1;
    for (const Item &item : page.items) {
        const auto *p = std::get_if<Paragraph>(&item);
        if (!p)
            continue;
        for (const Line &line : p->lines) {
            const QStringList cells = line.text().split(u'\t');
            widest = std::max(widest, int(cells.size()));
            const bool bold = p->headingLevel > 0;
            for (qsizetype c = 0; c < cells.size(); ++c)
                writeCell(sheet, row, int(c), cells[c].trimmed(), bold, formats);
            ++row;
        }
    }
    worksheet_set_column(sheet, 0, 0, 80, nullptr);
    if (widest > 1)
        worksheet_set_column(sheet, 1, lxw_col_t(widest - 1), 16, nullptr);
}

} // namespace

bool writeXlsx(const Document &document, const QString &path, QString *error)
{
    lxw_workbook *workbook = workbook_new(QFile::encodeName(path).constData());
    if (!workbook) {
        *error = QStringLiteral("the workbook could not be made");
        return false;
    }
    Formats formats;
    formats.bold = workbook_add_format(workbook);
    format_set_bold(formats.bold);
    formats.date = workbook_add_format(workbook);
    format_set_num_format(formats.date, "yyyy-mm-dd");
    formats.percent = workbook_add_format(workbook);
    format_set_num_format(formats.percent, "0.00%");
    formats.wrap = workbook_add_format(workbook);
    format_set_text_wrap(formats.wrap);
    format_set_align(formats.wrap, LXW_ALIGN_VERTICAL_TOP);

    int tables = 0;
    for (qsizetype i = 0; i < document.pages.size(); ++i) {
        const Page &page = document.pages[i];
        bool hasTable = false;
        for (const Item &item : page.items) {
            if (const auto *table = std::get_if<Table>(&item)) {
                hasTable = true;
                const QByteArray name = QStringLiteral("Table %1").arg(++tables).toUtf8();
                if (lxw_worksheet *sheet = workbook_add_worksheet(workbook, name.constData()))
                    writeTable(sheet, *table, formats);
            }
        }
        if (!hasTable && page.hasText) {
            const QByteArray name = QStringLiteral("Page %1").arg(i + 1).toUtf8();
            if (lxw_worksheet *sheet = workbook_add_worksheet(workbook, name.constData()))
                writeLines(sheet, page, formats);
        }
    }
    if (workbook->num_sheets == 0)
        workbook_add_worksheet(workbook, "Page 1"); // a workbook needs a sheet
    const lxw_error result = workbook_close(workbook);
    if (result != LXW_NO_ERROR) {
        *error = QString::fromUtf8(lxw_strerror(result));
        return false;
    }
    return true;
}

} // namespace officewriters
