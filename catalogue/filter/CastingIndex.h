#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "Collection.h"
#include "RecordSet.h"

namespace kbs {

// Which records hold the same casting, or the very same model, as another: the casting list
// while a record is added, the question before a save, and the collector's duplicates. Texts
// are compared by their keys: letters and digits only, case folded, so that "Ford  Mustang",
// "ford mustang" and "Ford-Mustang" are one. Each record's keys are made once, when the index
// is built, and again only for the records a save, a delete or an undo touched.
//
// A casting is a description, or a number within a series: two records hold the same casting
// when their descriptions' keys are equal (and not empty), or when their numbers' keys are
// equal (and not empty) and so are their series' keys. They hold the same model when every
// variation field's key is equal, an empty field equalling an empty one; a record whose
// description and number are both empty names no model and matches none.
class CastingIndex {
public:
    using Slot = RecordSet::Slot;

    // The fields that tell one variation of a casting from another, by column position.
    static constexpr int VariationCount = 9;
    static constexpr std::array<int, VariationCount> VariationFields{
        collection::at("Description"),    collection::at("Number"),
        collection::at("Version_Number"), collection::at("Series"),
        collection::at("Color"),          collection::at("Interior_Color"),
        collection::at("Base_Name"),      collection::at("Base_Color"),
        collection::at("Wheel_Type")};
    // The texts of the variation fields, in the order above.
    using Variation = std::array<QString, VariationCount>;
    // A bit per variation field, in the order above.
    using Differences = std::uint16_t;

    // Letters and digits only, case folded (UTF-8).
    static std::string key(std::string_view utf8);
    static void appendKey(std::string_view utf8, std::string& out);
    static std::string key(const QString& text) { return key(text.toUtf8().toStdString()); }

    // Makes the keys of every record of `rs`.
    void build(const RecordSet& rs);
    // True when the index was built over `rs` and follows it: a save or a delete not told to
    // it makes the counts differ, and the caller builds it again.
    bool follows(const RecordSet& rs) const;
    // A record saved, added or brought back; a record deleted.
    void update(const RecordSet& rs, Slot slot);
    void remove(Slot slot);

    // The records of the same casting as `typed`, in the record set's order of slots.
    std::vector<Slot> sameCasting(const Variation& typed) const;
    // The records of the very same model as `typed`.
    std::vector<Slot> sameModel(const Variation& typed) const;
    // The variation fields in which a record differs from `typed`.
    Differences differences(Slot slot, const Variation& typed) const;

    // The collector's trade list: the records that share every variation field with another,
    // and those whose quantity is more than one; grouped, each model's records together, the
    // models in the order of their keys (description first). `models`, when given, gets a number
    // per record listed: the records of one model share it.
    std::vector<Slot> duplicates(const RecordSet& rs, std::vector<int>* models = nullptr) const;

private:
    struct Keys {
        std::string joined;  // the variation fields' keys, each ended by '\x1f'
        bool indexed = false;
    };
    using Buckets = std::unordered_map<std::uint64_t, std::vector<Slot>>;

    static std::string joinedKeys(const Variation& typed);
    static std::string_view part(const std::string& joined, int field);
    static std::uint64_t hash(std::string_view a, std::string_view b = {});
    static bool namesModel(const std::string& joined);
    static void add(Buckets& b, std::uint64_t h, Slot slot);
    static void drop(Buckets& b, std::uint64_t h, Slot slot);
    void file(Slot slot, bool in);  // files the slot's keys in the buckets, or takes them out
    std::vector<Slot> lookUp(const Buckets& b, std::uint64_t h,
                             bool (*same)(const std::string&, const std::string&),
                             const std::string& typed) const;

    const RecordSet* m_rs = nullptr;
    long m_count = 0;
    std::vector<Keys> m_keys;  // by slot
    Buckets m_byDescription;
    Buckets m_bySeriesNumber;
};

}  // namespace kbs
