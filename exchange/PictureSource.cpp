#include "PictureSource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "AppError.h"
#include "Collection.h"
#include "PictureLoader.h"
#include "RegularFile.h"

namespace kbs::exchange {

namespace {

QString rootOf(const QString& folder) {
    QString root = QFileInfo(folder).canonicalFilePath();
    if (root.isEmpty() || !QFileInfo(root).isDir())
        return {};
    return root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
}

}  // namespace

PictureSource::PictureSource(const QString& folder, const QStringList& trees, const QString& source)
    : m_folder(QDir(folder).absolutePath()) {
    if (const QString root = rootOf(folder); !root.isEmpty())
        m_roots << root;
    for (const QString& tree : trees) {
        const QString root = rootOf(tree);
        if (root.isEmpty())
            throw AppError(err::PathFileAccess, source,
                           QCoreApplication::translate(
                               "kbs::exchange::PictureSource",
                               "The folder %1, where picture files may come from, is not there.")
                               .arg(tree));
        m_roots << root;
    }
    m_outside =
        trees.isEmpty()
            ? QCoreApplication::translate(
                  "kbs::exchange::PictureSource",
                  "it lies outside the folder %1 (--pictures-from names another folder "
                  "pictures may come from)")
                  .arg(m_roots.value(0, m_folder))
            : QCoreApplication::translate("kbs::exchange::PictureSource",
                                          "it lies outside the folder %1 and the folders given by "
                                          "--pictures-from")
                  .arg(m_roots.value(0, m_folder));
}

QString PictureSource::resolved(const QString& path) const {
    const QString absolute = QDir(m_folder).absoluteFilePath(path);
    char* real = ::realpath(QFile::encodeName(absolute).constData(), nullptr);
    if (!real)
        return {};
    const QString out = QFile::decodeName(real);
    std::free(real);
    return out;
}

bool PictureSource::allows(const QString& path) const {
    const QString real = resolved(path);
    return !real.isEmpty() && std::any_of(m_roots.begin(), m_roots.end(),
                                          [&](const QString& r) { return real.startsWith(r); });
}

std::optional<QByteArray> PictureSource::read(const QString& path, QString& why) const {
    if (path.isEmpty()) {
        why = QCoreApplication::translate("kbs::exchange::PictureSource", "there is no such file");
        return std::nullopt;
    }
    const QString real = resolved(path);
    if (real.isEmpty()) {
        why = errno == ENOENT || errno == ENOTDIR
                  ? QCoreApplication::translate("kbs::exchange::PictureSource",
                                                "there is no such file")
                  : QCoreApplication::translate("kbs::exchange::PictureSource",
                                                "it cannot be read: %1")
                        .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return std::nullopt;
    }
    if (!std::any_of(m_roots.begin(), m_roots.end(),
                     [&](const QString& r) { return real.startsWith(r); })) {
        why = m_outside;
        return std::nullopt;
    }
    QByteArray bytes;
    try {
        bytes = regularfile::read(real, collection::MaxPictureBytes);
    } catch (const AppError& e) {
        why = e.description();
        if (why.endsWith(QLatin1Char('.')))
            why.chop(1);
        return std::nullopt;
    }
    if (const QString problem = pictureProblem(bytes); !problem.isEmpty()) {
        why = QCoreApplication::translate("kbs::exchange::PictureSource",
                                          "it is not a picture the program can show (%1)")
                  .arg(problem);
        return std::nullopt;
    }
    return bytes;
}

}  // namespace kbs::exchange
