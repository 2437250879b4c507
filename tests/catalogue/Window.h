#pragma once

// A catalogue window started on a test program directory, with helpers to read what the
// person sees.
#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <memory>

#include "Settings.h"
#include "TestEnv.h"
#include "frmMain.h"

namespace kbs::test {

inline QByteArray pictureBytes(const char* format, int w = 40, int h = 30,
                               QRgb color = 0xFFCC2200) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(color);
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, format);
    return out;
}

struct Window {
    TestEnv& env;
    std::unique_ptr<frmMain> w;
    explicit Window(TestEnv& e) : env(e) {
        Settings::save(QStringLiteral("Tipstatus"), QStringLiteral("Show Tips at Startup"),
                       QStringLiteral("0"));
        w = std::make_unique<frmMain>();
        w->Form_Load();
        w->show();
    }
    ~Window() {
        env.prompts().answerMsg(mb::Yes);
        w->close();
    }
    frmMain* operator->() { return w.get(); }
    // The ID of the record the Record set stands on.
    qint64 currentId() { return w->recordSet()->value(0).toLongLong(); }
};

}  // namespace kbs::test
