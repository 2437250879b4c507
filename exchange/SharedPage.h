#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

#include "CatalogueSource.h"
#include "ExportSummary.h"
#include "Headings.h"
#include "OwnFields.h"

namespace kbs::exchange {

// What a shared page or a sheet of labels lists.
enum class ShareList {
    Want,     // the records with status "Want"
    Sell,     // the records with status "Sell"
    Missing,  // the entries of chosen checklists that no record matches
    Shown,    // the records given (those the window shows, or a report's)
    All,      // every record of the catalogue
};

// A field a page or a label may show: a row of the table of fields. The described fields are
// columns of the collection's table; the collector's own fields and the tags are rows with no
// position, their values read beside the record (see SharedRecord).
inline constexpr int TagsField = -2;
struct ShareField {
    QString key;        // its name on the command line: "number", "series", ...
    QString label;      // its heading, in the program's language
    int position = -1;  // its column in the collection's table
    bool byDefault = false;
    bool personal = false;  // what the collector paid and where it is kept: only when asked for
    // A field of the collector's own: its place among the catalogue's own fields (keyed by its
    // name); TagsField: the record's tags (key "tags"); -1: a described field.
    int own = -1;
};

// The table of fields, in the panel's order: the described fields, then the collector's own
// (`own`, by position) and the tags. A key is looked up in this order, without regard to case.
std::vector<ShareField> shareFields(const Headings& headings,
                                    const std::vector<ownfields::Field>& own = {});
// The fields shown unless others are chosen.
QStringList defaultShareFields();

struct ShareOptions {
    ShareList list = ShareList::Want;
    QStringList fields;  // keys, in the order shown; empty: defaultShareFields()
    // Missing: the checklists by ID or by name (in any case); none means every checklist.
    std::vector<std::int64_t> checklists;
    QStringList checklistNames;
    // Shown: the records, in the order given.
    std::vector<std::int64_t> ids;
    // 0: a thumbnail per record. Otherwise the collection page: the main picture of each record
    // with its long side at most this many pixels (MinPictureSide..MaxPictureSide).
    int pictureSide = 0;
    QString title;  // at the top of the page, with the note under it
    QString note;
    QStringList pictureTrees;  // where besides the catalogue's folder linked pictures come from
};
inline constexpr int MinPictureSide = 64;
inline constexpr int MaxPictureSide = 2048;

// One entry of a page or label sheet: a record's texts, or a checklist's missing entry, which
// has no record (id 0) and no picture.
struct SharedRecord {
    ExportRecord record;
    QString checklist;  // the list a missing entry is of
    QStringList own;    // its values in the collector's own fields as shown, by the fields' order
    QStringList tags;
};
// The entry's value in a field, as shown.
QString sharedValue(const SharedRecord& entry, const ShareField& field);

// The catalogue at `catalogue` as pages and labels read it (only read; it may be open in the
// program). Messages are for `path`, the file being written. Throws AppError.
class ShareSource {
public:
    ShareSource(const QString& catalogue, const QStringList& pictureTrees, const QString& path);

    // The collector's own fields, by position (read once).
    const std::vector<ownfields::Field>& ownFields();
    // The entries the options choose, by series and then number, without pictures; with their
    // own values and tags (in the order of ownFields()).
    std::vector<SharedRecord> entries(const ShareOptions& options, const ExportProgressFn& progress,
                                      ExportSummary& summary);
    // A record's picture as JPEG, empty when it has none: with side 0 its stored thumbnail (or
    // one made from its main picture when it has none yet), else its main picture with its long
    // side at most `side`. Nothing else is read.
    QByteArray picture(std::int64_t id, int side) { return made(read(id, side), side); }
    // The same in two steps, so that the second may run on other threads: the bytes read from
    // the catalogue (a stored thumbnail is already the JPEG), then the JPEG made of them.
    struct Read {
        QByteArray bytes;
        bool made = false;
    };
    Read read(std::int64_t id, int side);
    static QByteArray made(const Read& read, int side);

private:
    QString m_path;
    Catalogue m_cat;
    int m_hasThumbs = -1;  // whether the catalogue has its thumbnail table; -1: not looked yet
    std::optional<std::vector<ownfields::Field>> m_own;
};

// Writes one HTML file at `path` that needs nothing else: the entries with their pictures
// embedded, a search box and a choice of order worked by the page's own script, and a policy
// that lets the page load nothing from anywhere. Every text is written as text. An existing file
// is never replaced; on failure nothing is left behind (throws AppError naming the file).
ExportSummary exportHtml(const QString& catalogue, const QString& path, const Headings& headings,
                         const ShareOptions& options, const ExportProgressFn& progress = {});

// A text as HTML shows it, in an element or in a quoted attribute: the characters that mean
// something to HTML written as references, NUL as U+FFFD.
QString htmlText(const QString& text);
// One entry as the page lists it, `jpeg` its picture (may be empty), `index` its place in the
// order the page was written in (-1: none).
QByteArray entryHtml(const SharedRecord& entry, const std::vector<ShareField>& fields,
                     const QByteArray& jpeg, qsizetype index = -1);

}  // namespace kbs::exchange
