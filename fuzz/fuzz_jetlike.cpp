// The Like matcher: a pattern and a text, each as UTF-8 (malformed bytes
// included) and as UTF-16. Both entry points must agree, and any text must
// match its own escaped form and nothing it does not equal.

#include "data/jetlike.h"
#include "fuzzinput.h"

#include <cstdio>
#include <cstdlib>

using namespace rvl92;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input in(data, size);
    const QByteArray pattern = in.bytes();
    const QByteArray text = in.bytes();

    const JetPattern fromBytes(pattern.constData(), int(pattern.size()));
    const bool byBytes = fromBytes.matchesUtf8(text.constData(), int(text.size()));

    const QString patternText = QString::fromUtf8(pattern);
    const QString textText = QString::fromUtf8(text);
    const JetPattern fromText{QStringView(patternText)};
    (void)fromText.matches(textText);
    // Valid UTF-8 on both sides reads the same through either entry point.
    if (patternText.toUtf8() == pattern && textText.toUtf8() == text)
        FUZZ_CHECK(byBytes == fromText.matches(textText));

    // Escaped text is literal: it matches itself, and a text with one more
    // character does not.
    const QString escaped = JetPattern::escape(textText);
    FUZZ_CHECK(jetLike(textText, escaped));
    FUZZ_CHECK(!jetLike(textText + QLatin1Char('x'), escaped));
    return 0;
}
