// The help-text reader on any bytes: it must return, with a status, and leave
// a document that can be laid out.

#include "documentation/rtfreader.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray rtf(reinterpret_cast<const char*>(data), qsizetype(size));
    QTextDocument doc;
    const rvl92::RtfStatus status = rvl92::readRtf(rtf, &doc);
    if (status == rvl92::RtfStatus::NotRtf && !doc.isEmpty())
        abort();
    doc.setTextWidth(400);
    (void)doc.size();
    (void)doc.toPlainText();
    return 0;
}
