#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace kbs::exchange {

// The one rule for every path a picture is read from while importing or exporting: a CSV
// file's picture_file and more_pictures, a Tellico collection's pictures beside it, and a
// linked picture (picpath, more_links) whose bytes an export would carry. The file must lie,
// after every link in its path is resolved, inside the folder of the file being read (the CSV
// file, the Tellico collection, the catalogue) or inside one of the trees the collector named
// (--pictures-from); it must be a regular file of at most collection::MaxPictureBytes, and a
// picture the program can show. A link to anything else stays a link: its bytes are never
// read, so that a file from elsewhere cannot carry a private picture out.
class PictureSource {
public:
    // `folder`: the folder of the file being read. `trees`: further folders pictures may come
    // from; throws AppError (with `source`) when one of them is not a folder.
    PictureSource(const QString& folder, const QStringList& trees, const QString& source);

    // The picture at `path` (relative to the folder, or absolute) when the rule allows it;
    // otherwise nothing, and `why` says why, as a clause without a full stop.
    std::optional<QByteArray> read(const QString& path, QString& why) const;
    std::optional<QByteArray> read(const QString& path) const {
        QString why;
        return read(path, why);
    }

    // Whether `path`, links resolved, lies inside the folder or one of the trees.
    bool allows(const QString& path) const;

private:
    QString resolved(const QString& path) const;

    QString m_folder;     // as given, for relative paths
    QStringList m_roots;  // canonical, each ending in '/'
    QString m_outside;    // why a file outside them is refused
};

}  // namespace kbs::exchange
