// The filter's syntax: any text is read as a filter without a crash, and the filter agrees
// with itself over a few records of a real catalogue: a filter that narrows another lets
// through no record the other holds back, and Find's whole-text filter lets a record through
// exactly when it names a field holding the text.
#include <sqlite3.h>

#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "Connection.h"
#include "RecordFilter.h"
#include "RecordSet.h"
#include "Schema.h"

namespace {

struct Records {
    QTemporaryDir dir;
    kbs::Connection cn;
    kbs::RecordSet rs;

    Records() {
        const QString path = dir.filePath(QStringLiteral("mydb.mdb"));
        kbs::schema::createEmptyCatalogue(path);
        cn.setConnectionString(kbs::Connection::connectionStringFor(path));
        cn.open();
        const std::string longText = std::string(20000, 'x') + " Treasure";
        const std::string sql =
            "INSERT INTO table1 (Description, Year, Color, Status, Value, Quantity, Location, "
            "Notes) VALUES "
            "('Ford Mustang', '1970', 'Red', 'Have', '25.00', '2', NULL, 'zebra'),"
            "('Citroën DS \"19\"', '1968-1975', 'Dark red', 'sell ', '$1.234,50', 'x', '" +
            longText +
            "', NULL),"
            "('-', '', 'ÆØÅ straße', 'Want', 'n/a', '-3', 'box:mint 10:30', ''),"
            "(NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL)";
        if (sqlite3_exec(cn.handle(), sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
            std::abort();
        rs.open(QStringLiteral("select * from table1"), cn);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Records* records = new Records;
    const kbs::RecordSet& rs = records->rs;
    // The first byte chooses the statuses pressed; the rest is the text typed.
    QStringList statuses;
    if (size > 0) {
        const QStringList names = {QStringLiteral("Want"), QStringLiteral("Have"),
                                   QStringLiteral("Sell")};
        for (int i = 0; i < 3; ++i) {
            if (data[0] & (1 << i))
                statuses << names[i];
        }
        ++data;
        --size;
    }
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    // A checklist "a" holding every other record, for the checklist words.
    static const kbs::RecordFilter::Checklists checklists = [] {
        std::vector<std::int64_t> ids;
        for (std::int64_t id = 1; id < 64; id += 2)
            ids.push_back(id);
        return kbs::RecordFilter::Checklists{
            {QStringLiteral("a"), std::make_shared<const std::vector<std::int64_t>>(ids)}};
    }();
    const auto filter = kbs::RecordFilter::parse(text, statuses, checklists);
    const auto wider = kbs::RecordFilter::parse(text.left(text.size() / 2), statuses, checklists);
    const bool narrows = filter.narrows(wider);
    const auto whole = kbs::RecordFilter::containing(text);
    for (kbs::RecordSet::Slot s : rs.slotsInOrder()) {
        if (narrows && filter.matches(rs, s) && !wider.matches(rs, s))
            std::abort();
        if (!text.isEmpty() &&
            whole.matches(rs, s) != (kbs::RecordFilter::firstFieldHolding(rs, s, text) >= 0))
            std::abort();
    }
    return 0;
}
