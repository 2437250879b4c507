#include "SharedPage.h"

#include <sqlite3.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDate>
#include <QImage>
#include <QImageReader>
#include <QLocale>
#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <deque>
#include <future>
#include <memory>

#include "AppError.h"
#include "ChecklistMatcher.h"
#include "Checklists.h"
#include "PictureLoader.h"
#include "Pictures.h"
#include "PlacedFile.h"
#include "ScaledJpeg.h"
#include "Schema.h"
#include "Sqlite.h"

namespace kbs::exchange {

namespace {

const QString kSource = QStringLiteral("Web page");
constexpr int kReadBatch = 200;  // records read in one short read
constexpr qsizetype kWriteChunk = 1 << 20;
constexpr int kThumbSide = 256;  // as the gallery's thumbnails
constexpr int kDescription = collection::at("Description");
constexpr int kSeries = collection::at("Series");
constexpr int kNumber = collection::at("Number");

bool tableExists(sqlite3* db, const char* name) {
    sqlite::Stmt st(db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?", kSource);
    sqlite3_bind_text(st.get(), 1, name, -1, SQLITE_STATIC);
    return st.step(kSource);
}

bool hasStatus(const ExportRecord& r, const char* status) {
    return collection::trimSpaces(r.text[size_t(collection::at("Status"))])
               .compare(QLatin1String(status), Qt::CaseInsensitive) == 0;
}

QString captionOf(ShareList list) {
    switch (list) {
        case ShareList::Want:
            return QCoreApplication::translate("kbs::exchange", "Want list");
        case ShareList::Sell:
            return QCoreApplication::translate("kbs::exchange", "For sale or trade");
        case ShareList::Missing:
            return QCoreApplication::translate("kbs::exchange", "Missing from checklists");
        case ShareList::Shown:
            return QCoreApplication::translate("kbs::exchange", "Models");
        case ShareList::All:
            return QCoreApplication::translate("kbs::exchange", "Collection");
    }
    return {};
}

// The page's look: a list of cards that wrap into columns as wide as the screen allows. The
// cards come in blocks of kPart; a block out of sight is not laid out (content-visibility), so
// that a key in the search box showing or hiding many cards costs the blocks on screen only.
constexpr int kPart = 60;
constexpr const char* kStyle = R"(*{box-sizing:border-box}
body{margin:0;font:16px/1.4 system-ui,-apple-system,"Segoe UI",Roboto,sans-serif;color:#1d232a;background:#f4f6f8}
header{padding:12px 16px;background:#24466b;color:#fff}
header h1{margin:0;font-size:1.35em;overflow-wrap:anywhere}
header p{margin:4px 0 0;white-space:pre-wrap;overflow-wrap:anywhere}
header .made{opacity:.8;font-size:.85em}
.bar{position:sticky;top:0;z-index:1;display:flex;flex-wrap:wrap;gap:8px;padding:8px 16px;background:#e4eaf0;border-bottom:1px solid #c8d0d8}
.bar input{flex:1 1 10em;min-width:0;font:inherit;padding:6px 8px;border:1px solid #99a;border-radius:4px}
.bar select{font:inherit;padding:6px;max-width:100%}
#count{align-self:center;color:#445;font-size:.9em}
#list{padding:0 8px 8px}
.part{content-visibility:auto;contain-intrinsic-size:auto 3000px;list-style:none;margin:8px 0 0;padding:0;display:grid;grid-template-columns:repeat(auto-fill,minmax(min(100%,21em),1fr));gap:8px}
#list li{display:flex;gap:10px;padding:8px;background:#fff;border:1px solid #d4dae0;border-radius:6px;overflow-wrap:anywhere;min-width:0}
#list li img{width:96px;height:96px;object-fit:contain;flex:none}
#list li div{min-width:0}
#list h2{margin:0 0 4px;font-size:1.05em}
dl{margin:0;display:grid;grid-template-columns:auto 1fr;gap:0 8px;font-size:.92em}
dt{color:#5a6470}
dd{margin:0;white-space:pre-wrap}
#list li.missing{border-style:dashed;background:#fffdf4}
.big .part{grid-template-columns:repeat(auto-fill,minmax(min(100%,26em),1fr));contain-intrinsic-size:auto 12000px}
.big #list li{flex-direction:column}
.big #list li img{width:auto;height:auto;max-width:100%;align-self:center}
[hidden]{display:none!important}
)";

// The search and the order, in the page itself. "#q=WORDS&sort=ORDER" in the address fills
// both in when the page opens. The script keeps what each card shows and which card is where
// in arrays of its own, so that a key touches the page only where something changes, and it
// hides a block with no card left to show.
constexpr const char* kScript = R"((function(){
var list=document.getElementById('list'),q=document.getElementById('q'),
sort=document.getElementById('sort'),count=document.getElementById('count');
var parts=Array.prototype.slice.call(list.children),items=[],per=1;
parts.forEach(function(p){per=Math.max(per,p.children.length);
for(var c=p.firstElementChild;c;c=c.nextElementSibling)items.push(c);});
var n=items.length,texts=[],series=[],numbers=[],names=[],shown=[],at=[],partShown=[];
for(var i=0;i<n;++i){var d=items[i].dataset;texts.push(d.text);series.push(d.series);
numbers.push(num(d.number));names.push(d.name);shown.push(true);at.push(i);}
var placed=at.slice();
for(var p=0;p<parts.length;++p)partShown.push(true);
function num(s){var m=/^[^0-9]*([0-9]+)(.*)$/.exec(s);
return m?[0,parseInt(m[1],10),m[2]]:[1,0,s];}
function text(a,b){return a<b?-1:a>b?1:0;}
function number(x,y){return x[0]-y[0]||x[1]-y[1]||text(x[2],y[2]);}
var orders={
i:function(a,b){return 0;},
series:function(a,b){return text(series[a],series[b])||number(numbers[a],numbers[b]);},
number:function(a,b){return number(numbers[a],numbers[b])||text(series[a],series[b]);},
name:function(a,b){return text(names[a],names[b])||orders.series(a,b);}};
function filter(){
var words=q.value.toLowerCase().split(/\s+/).filter(Boolean),total=0,inPart=0;
for(var i=0;i<n;++i){var k=at[i],t=texts[k],ok=true;
for(var w=0;ok&&w<words.length;++w)ok=t.indexOf(words[w])>=0;
if(shown[k]!==ok){shown[k]=ok;items[k].hidden=!ok;}
if(ok){++total;++inPart;}
if(i%per===per-1||i===n-1){var p=Math.floor(i/per);
if(partShown[p]!==inPart>0){partShown[p]=inPart>0;parts[p].hidden=!partShown[p];}inPart=0;}}
count.textContent=total+' / '+n;}
function order(){var by=orders[sort.value]||orders.i;
at.sort(function(a,b){return by(a,b)||a-b;});
if(at.every(function(k,i){return placed[i]===k;}))return;placed=at.slice();
for(var p=0;p<parts.length;++p){var f=document.createDocumentFragment();
for(var i=p*per;i<n&&i<(p+1)*per;++i)f.appendChild(items[at[i]]);
parts[p].appendChild(f);}}
try{var h=new URLSearchParams(location.hash.slice(1));
if(h.has('q'))q.value=h.get('q');if(h.has('sort'))sort.value=h.get('sort');}catch(e){}
q.addEventListener('input',filter);sort.addEventListener('change',function(){order();filter();});
order();filter();})();
)";

QByteArray hashOf(const char* text) {
    return QCryptographicHash::hash(QByteArray(text), QCryptographicHash::Sha256).toBase64();
}

QString attr(const char* name, const QString& value) {
    return QLatin1Char(' ') + QLatin1String(name) + QStringLiteral("=\"") + htmlText(value) +
           QLatin1Char('"');
}

}  // namespace

std::vector<ShareField> shareFields(const Headings& headings,
                                    const std::vector<ownfields::Field>& own) {
    // clang-format off
    static constexpr struct { const char* key; int position; bool byDefault; bool personal; } kRows[] = {
        {"description", kDescription, true, false},
        {"number", collection::at("Number"), true, false},
        {"series", collection::at("Series"), true, false},
        {"year", collection::at("Year"), true, false},
        {"color", collection::at("Color"), true, false},
        {"version", collection::at("Version_Number"), true, false},
        {"wheels", collection::at("Wheel_Type"), true, false},
        {"base_name", collection::at("Base_Name"), false, false},
        {"base_color", collection::at("Base_Color"), false, false},
        {"interior", collection::at("Interior_Color"), false, false},
        {"car_condition", collection::at("Car_Cond"), false, false},
        {"box_type", collection::at("Box_Type"), false, false},
        {"box_condition", collection::at("Box_Cond"), false, false},
        {"quantity", collection::at("Quantity"), false, false},
        {"status", collection::at("Status"), false, false},
        {"list_price", collection::at("List_Price"), false, false},
        {"value", collection::at("Value"), false, false},
        {"value_date", collection::at("Value_Date"), false, false},
        {"notes", collection::at("Notes"), false, false},
        {"purchase_price", collection::at("Purchase"), false, true},
        {"purchase_date", collection::at("Purch_Date"), false, true},
        {"purchased_from", collection::at("Purch_From"), false, true},
        {"location", collection::at("Location"), false, true},
    };
    // clang-format on
    std::vector<ShareField> out;
    for (const auto& r : kRows)
        out.push_back({QLatin1String(r.key), headings.heading(r.position), r.position, r.byDefault,
                       r.personal});
    const QString tags = QStringLiteral("tags");
    const std::size_t described = out.size();
    for (std::size_t i = 0; i < own.size(); ++i) {
        // A name that is also a described field's key ("wheels", "purchase_price") is told
        // apart by "own:", which no name holds, so that choosing it never shows the other.
        const bool taken =
            own[i].name.compare(tags, Qt::CaseInsensitive) == 0 ||
            std::any_of(out.begin(), out.begin() + std::ptrdiff_t(described),
                        [&](const ShareField& f) {
                            return f.key.compare(own[i].name, Qt::CaseInsensitive) == 0;
                        });
        out.push_back({taken ? QStringLiteral("own:") + own[i].name : own[i].name, own[i].name, -1,
                       false, false, int(i)});
    }
    out.push_back(
        {tags, QCoreApplication::translate("kbs::exchange", "Tags"), -1, false, false, TagsField});
    return out;
}

QString sharedValue(const SharedRecord& entry, const ShareField& field) {
    if (field.position >= 0)
        return entry.record.shown(field.position);
    if (field.own == TagsField)
        return entry.tags.join(QStringLiteral(", "));
    return entry.own.value(field.own);
}

QStringList defaultShareFields() {
    QStringList keys;
    for (const ShareField& f : shareFields(Headings{}))
        if (f.byDefault)
            keys << f.key;
    return keys;
}

QString htmlText(const QString& text) {
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const char* reference = u == '&'    ? "&amp;"
                                : u == '<'  ? "&lt;"
                                : u == '>'  ? "&gt;"
                                : u == '"'  ? "&quot;"
                                : u == '\'' ? "&#39;"
                                            : nullptr;
        if (reference)
            out += QLatin1String(reference);
        else
            out += u == 0 ? QChar(0xFFFD) : c;
    }
    return out;
}

ShareSource::ShareSource(const QString& catalogue, const QStringList& pictureTrees,
                         const QString& path)
    : m_path(path), m_cat(catalogue, kSource) {
    m_cat.setPictureTrees(pictureTrees);
}

std::vector<SharedRecord> ShareSource::entries(const ShareOptions& options,
                                               const ExportProgressFn& progress,
                                               ExportSummary& summary) {
    std::vector<SharedRecord> out;
    sqlite3* db = m_cat.db();
    if (options.list == ShareList::Missing) {
        if (!tableExists(db, "checklists")) {
            if (!options.checklistNames.isEmpty())
                throw AppError(err::InvalidPropertyValue, kSource,
                               QCoreApplication::translate("kbs::exchange",
                                                           "%1 has no checklist named \"%2\".")
                                   .arg(m_cat.path(), options.checklistNames.first()));
            return out;
        }
        const auto all = checklists::lists(db);
        for (const QString& name : options.checklistNames) {
            if (std::none_of(all.begin(), all.end(), [&](const checklists::List& l) {
                    return l.name.compare(name, Qt::CaseInsensitive) == 0;
                }))
                throw AppError(err::InvalidPropertyValue, kSource,
                               QCoreApplication::translate("kbs::exchange",
                                                           "%1 has no checklist named \"%2\".")
                                   .arg(m_cat.path(), name));
        }
        const auto matcher = checklists::ChecklistMatcher::ofCatalogue(db);
        const auto& ids = options.checklists;
        const bool every = ids.empty() && options.checklistNames.isEmpty();
        for (const checklists::List& list : all) {
            if (!every && std::find(ids.begin(), ids.end(), list.id) == ids.end() &&
                !options.checklistNames.contains(list.name, Qt::CaseInsensitive))
                continue;
            for (const checklists::Entry& e : checklists::entriesOf(db, list.id)) {
                if (matcher.match(list, e).state != checklists::ChecklistMatcher::State::Missing)
                    continue;
                SharedRecord s;
                s.checklist = list.name;
                auto& t = s.record.text;
                t[size_t(kDescription)] = e.name;
                t[size_t(collection::at("Number"))] = e.number;
                t[size_t(collection::at("Series"))] = list.series;
                t[size_t(collection::at("Year"))] = e.year;
                t[size_t(collection::at("Color"))] = e.color;
                t[size_t(collection::at("Notes"))] = e.notes;
                out.push_back(std::move(s));
            }
        }
    } else {
        const std::vector<std::int64_t> ids = m_cat.recordIds(
            options.list == ShareList::Shown ? std::optional<std::vector<std::int64_t>>(options.ids)
                                             : std::nullopt);
        RecordReader reader(m_cat);
        SharedRecord s;
        for (size_t next = 0; next < ids.size();) {
            m_cat.exec("BEGIN");
            for (int n = 0; n < kReadBatch && next < ids.size(); ++n, ++next) {
                if (!reader.read(ids[next], s.record, false)) {
                    ++summary.skipped;
                    continue;
                }
                if ((options.list == ShareList::Want && !hasStatus(s.record, "Want")) ||
                    (options.list == ShareList::Sell && !hasStatus(s.record, "Sell")))
                    continue;
                out.push_back(s);
            }
            m_cat.exec("COMMIT");
            if (progress && !progress(long(next), long(ids.size())))
                throw AppError(
                    err::CancelSelected, kSource,
                    QCoreApplication::translate("kbs::exchange", "The export to %1 was cancelled.")
                        .arg(m_path));
        }
    }
    if (options.list != ShareList::Missing && ownfields::present(db)) {
        const ownfields::AllValues all = ownfields::readAll(db);
        const std::vector<ownfields::Field>& own = ownFields();
        std::vector<std::size_t> at;  // per field of ownFields(): its place in `all`
        for (const ownfields::Field& f : own) {
            const auto in = std::find_if(all.fields.begin(), all.fields.end(),
                                         [&](const ownfields::Field& a) { return a.id == f.id; });
            at.push_back(std::size_t(in - all.fields.begin()));
        }
        for (SharedRecord& s : out) {
            for (std::size_t i = 0; i < own.size(); ++i)
                s.own << (at[i] < all.fields.size()
                              ? ownfields::display(own[i], all.valueOf(s.record.id, at[i]))
                              : QString());
            s.tags = all.tagsOf(s.record.id);
        }
    }
    if (options.list != ShareList::Shown) {
        const auto text = [](const SharedRecord& s, int column) {
            return collection::trimSpaces(s.record.text[size_t(column)]);
        };
        std::stable_sort(out.begin(), out.end(), [&](const SharedRecord& a, const SharedRecord& b) {
            const int bySeries =
                QString::compare(text(a, kSeries), text(b, kSeries), Qt::CaseInsensitive);
            if (bySeries != 0)
                return bySeries < 0;
            return checklists::ChecklistMatcher::numberLess(text(a, kNumber), text(b, kNumber));
        });
    }
    return out;
}

const std::vector<ownfields::Field>& ShareSource::ownFields() {
    if (!m_own)
        m_own = ownfields::fields(m_cat.db());
    return *m_own;
}

ShareSource::Read ShareSource::read(std::int64_t id, int side) {
    if (id <= 0)
        return {};
    sqlite3* db = m_cat.db();
    if (m_hasThumbs < 0)
        m_hasThumbs = tableExists(db, "picture_thumbs") ? 1 : 0;
    if (side == 0 && m_hasThumbs == 1) {
        sqlite::Stmt st(db, "SELECT jpeg FROM picture_thumbs WHERE record_id = ? AND position = 1",
                        kSource);
        sqlite3_bind_int64(st.get(), 1, id);
        if (st.step(kSource) && sqlite3_column_bytes(st.get(), 0) > 0)
            return {QByteArray(static_cast<const char*>(sqlite3_column_blob(st.get(), 0)),
                               sqlite3_column_bytes(st.get(), 0)),
                    true};
    }
    // No thumbnail yet, or the large picture: the main picture, embedded or linked.
    QByteArray bytes = pictures::bytesAt(db, id, 1);
    if (bytes.isEmpty()) {
        if (const auto column = m_cat.columnNamed(QStringLiteral("picpath"))) {
            sqlite::Stmt st(db,
                            "SELECT " + sqlite::quoteName(*column) + " FROM " +
                                std::string(schema::TableName) + " WHERE " + m_cat.idColumn() +
                                " = ?",
                            kSource);
            sqlite3_bind_int64(st.get(), 1, id);
            if (st.step(kSource)) {
                const QString link =
                    QString::fromUtf8(
                        reinterpret_cast<const char*>(sqlite3_column_text(st.get(), 0)),
                        sqlite3_column_bytes(st.get(), 0))
                        .trimmed();
                if (!link.isEmpty())
                    bytes = m_cat.pictureSource().read(link).value_or(QByteArray());
            }
        }
    }
    return {bytes, false};
}

QByteArray ShareSource::made(const Read& read, int side) {
    if (read.made || read.bytes.isEmpty())
        return read.bytes;
    const QByteArray& bytes = read.bytes;
    try {
        // Without a stored thumbnail, one made as the gallery's are.
        const int fit = side == 0 ? kThumbSide : side;
        // Decoded straight at the size shown: a JPEG by libjpeg at the eighth of its size that
        // covers the box; anything else (or a JPEG it cannot read) by the picture loader, which
        // decodes a JPEG at a half, quarter or eighth, and the rest is a smooth scale.
        QImage image = scaledJpeg(bytes, fit);
        if (image.isNull()) {
            QBuffer header;
            header.setData(bytes);
            header.open(QIODevice::ReadOnly);
            QSize box(fit, fit);
            const QSize size = QImageReader(&header).size();
            if (size.isValid() && (size.width() > fit || size.height() > fit))
                box = size.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
            image = loadPictureBytes(bytes, box);
        }
        if (image.width() > fit || image.height() > fit)
            image = smoothlyScaled(
                image, image.size().scaled(fit, fit, Qt::KeepAspectRatio).expandedTo({1, 1}));
        return jpegOf(image, 80);
    } catch (const AppError&) {
        return {};  // not a picture: the entry shows without one
    }
}

QByteArray entryHtml(const SharedRecord& entry, const std::vector<ShareField>& fields,
                     const QByteArray& jpeg, qsizetype index) {
    const auto column = [&](int position) {
        return collection::trimSpaces(entry.record.text[size_t(position)]);
    };
    QString searched;
    QString name;
    for (const ShareField& f : fields) {
        const QString v = sharedValue(entry, f);
        if (v.isEmpty())
            continue;
        searched += v + QLatin1Char(' ');
        if (f.position == kDescription && name.isEmpty())
            name = v;
    }
    searched += entry.checklist;
    QString html = QStringLiteral("<li");
    if (index >= 0)
        html += QStringLiteral(" data-i=\"%1\"").arg(index);
    if (!entry.checklist.isEmpty())
        html += QStringLiteral(" class=\"missing\"");
    // Series and number order the page; they are in it only when they are shown.
    const auto shown = [&](int position) {
        return std::any_of(fields.begin(), fields.end(),
                           [&](const ShareField& f) { return f.position == position; });
    };
    html += attr("data-series", shown(kSeries) ? column(kSeries).toLower() : QString());
    html += attr("data-number", shown(kNumber) ? column(kNumber).toLower() : QString());
    html += attr("data-name", name.toLower());
    html += attr("data-text", searched.toLower());
    html += QLatin1Char('>');
    // The picture goes in as bytes: it is most of the page, and needs no conversion.
    QByteArray out = html.toUtf8();
    if (!jpeg.isEmpty())
        out += "<img alt=\"\" src=\"data:image/jpeg;base64," + jpeg.toBase64() + "\">";
    html = QStringLiteral("<div>");
    if (!name.isEmpty())
        html += QStringLiteral("<h2>") + htmlText(name) + QStringLiteral("</h2>");
    html += QStringLiteral("<dl>");
    if (!entry.checklist.isEmpty())
        html += QStringLiteral("<dt>") +
                htmlText(QCoreApplication::translate("kbs::exchange", "Missing from")) +
                QStringLiteral("</dt><dd>") + htmlText(entry.checklist) + QStringLiteral("</dd>");
    for (const ShareField& f : fields) {
        const QString v = sharedValue(entry, f);
        if (v.isEmpty() || (f.position == kDescription && v == name))
            continue;
        html += QStringLiteral("<dt>") + htmlText(f.label) + QStringLiteral("</dt><dd>") +
                htmlText(v) + QStringLiteral("</dd>");
    }
    html += QStringLiteral("</dl></div></li>\n");
    return out + html.toUtf8();
}

ExportSummary exportHtml(const QString& catalogue, const QString& path, const Headings& headings,
                         const ShareOptions& options, const ExportProgressFn& progress) {
    // The fields first: a wrong name is told before anything is written.
    ShareSource source(catalogue, options.pictureTrees, path);
    const std::vector<ShareField> table = shareFields(headings, source.ownFields());
    std::vector<ShareField> fields;
    for (const QString& key : options.fields.isEmpty() ? defaultShareFields() : options.fields) {
        const auto f = std::find_if(table.begin(), table.end(), [&](const ShareField& row) {
            return row.key.compare(key.trimmed(), Qt::CaseInsensitive) == 0;
        });
        if (f == table.end()) {
            QStringList keys;
            for (const ShareField& row : table)
                keys << row.key;
            throw AppError(
                err::InvalidPropertyValue, kSource,
                QCoreApplication::translate("kbs::exchange",
                                            "There is no field \"%1\" to show; the fields are: %2.")
                    .arg(key, keys.join(QStringLiteral(", "))));
        }
        fields.push_back(*f);
    }
    if (options.pictureSide != 0 &&
        (options.pictureSide < MinPictureSide || options.pictureSide > MaxPictureSide))
        throw AppError(
            err::InvalidPropertyValue, kSource,
            QCoreApplication::translate(
                "kbs::exchange", "The size of the pictures must be between %1 and %2 pixels.")
                .arg(MinPictureSide)
                .arg(MaxPictureSide));

    PlacedFile out(path, kSource);
    ExportSummary summary;
    const std::vector<SharedRecord> entries = source.entries(options, {}, summary);

    const QString caption = captionOf(options.list);
    const QString title = options.title.trimmed().isEmpty() ? caption : options.title.trimmed();
    QString head = QStringLiteral("<!DOCTYPE html>\n<html") + attr("lang", QLocale().bcp47Name()) +
                   QStringLiteral(
                       "><head><meta charset=\"utf-8\">\n"
                       "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src "
                       "'none'; img-src data:; style-src 'sha256-") +
                   QLatin1String(hashOf(kStyle)) + QStringLiteral("'; script-src 'sha256-") +
                   QLatin1String(hashOf(kScript)) +
                   QStringLiteral(
                       "'; base-uri 'none'; form-action 'none'\">\n"
                       "<meta name=\"referrer\" content=\"no-referrer\">\n"
                       "<meta name=\"viewport\" content=\"width=device-width, "
                       "initial-scale=1\">\n<title>") +
                   htmlText(title) + QStringLiteral("</title>\n<style>") + QLatin1String(kStyle) +
                   QStringLiteral("</style></head>\n<body") +
                   (options.pictureSide > 0 ? QStringLiteral(" class=\"big\"") : QString()) +
                   QStringLiteral(">\n<header><h1>") + htmlText(title) + QStringLiteral("</h1>");
    if (!options.note.trimmed().isEmpty())
        head += QStringLiteral("<p class=\"note\">") + htmlText(options.note.trimmed()) +
                QStringLiteral("</p>");
    head += QStringLiteral("<p class=\"made\">") +
            htmlText(
                QCoreApplication::translate("kbs::exchange", "%1: %n entries, %2", nullptr,
                                            int(entries.size()))
                    .arg(caption, QLocale().toString(QDate::currentDate(), QLocale::ShortFormat))) +
            QStringLiteral("</p></header>\n<div class=\"bar\"><input id=\"q\" type=\"search\"") +
            attr("placeholder", QCoreApplication::translate("kbs::exchange", "Search")) +
            attr("aria-label", QCoreApplication::translate("kbs::exchange", "Search")) +
            QStringLiteral(" autocomplete=\"off\"><select id=\"sort\"") +
            attr("aria-label", QCoreApplication::translate("kbs::exchange", "Order")) +
            QLatin1Char('>');
    std::vector<std::pair<const char*, QString>> orders = {
        {"series", QCoreApplication::translate("kbs::exchange", "Series and number")},
        {"number", QCoreApplication::translate("kbs::exchange", "Number")},
        {"name", QCoreApplication::translate("kbs::exchange", "Name")}};
    if (options.list == ShareList::Shown)  // first the order they were given in
        orders.insert(orders.begin(),
                      {"i", QCoreApplication::translate("kbs::exchange", "As listed")});
    for (const auto& [value, label] : orders)
        head += QStringLiteral("<option") + attr("value", QLatin1String(value)) + QLatin1Char('>') +
                htmlText(label) + QStringLiteral("</option>");
    head += QStringLiteral(
        "</select><span id=\"count\" role=\"status\"></span></div>\n"
        "<div id=\"list\">\n<ul class=\"part\">\n");

    QByteArray chunk = head.toUtf8();
    // The pictures are made into JPEGs on worker threads while this one reads the next ones from
    // the catalogue and writes the page. A few are in flight at a time and each entry is written
    // as soon as its picture is ready, in order, so the memory does not grow with the entries.
    QThreadPool pool;
    pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
    const size_t ahead = size_t(4 * pool.maxThreadCount());
    const int side = options.pictureSide;
    std::deque<std::future<QByteArray>> pictures;
    for (size_t i = 0, next = 0; i < entries.size(); ++i) {
        for (; next < entries.size() && next < i + ahead; ++next) {
            auto make = std::make_shared<std::packaged_task<QByteArray()>>(
                [read = source.read(entries[next].record.id, side), side] {
                    return ShareSource::made(read, side);
                });
            pictures.push_back(make->get_future());
            pool.start([make] { (*make)(); });
        }
        const QByteArray jpeg = pictures.front().get();
        pictures.pop_front();
        if (i > 0 && i % kPart == 0)
            chunk += "</ul>\n<ul class=\"part\">\n";
        chunk += entryHtml(entries[i], fields, jpeg, qsizetype(i));
        ++summary.records;
        summary.pictures += jpeg.isEmpty() ? 0 : 1;
        if (chunk.size() >= kWriteChunk) {
            out.write(chunk);
            chunk.clear();
        }
        if (progress && i % 50 == 49 && !progress(long(i + 1), long(entries.size())))
            throw AppError(
                err::CancelSelected, kSource,
                QCoreApplication::translate("kbs::exchange", "The export to %1 was cancelled.")
                    .arg(path));
    }
    chunk += QByteArray("</ul>\n</div>\n<script>") + kScript + "</script>\n</body></html>\n";
    out.write(chunk);
    out.place();
    return summary;
}

}  // namespace kbs::exchange
