// Qt's conversions to and from std::string for a build against libc++.
//
// Debian's Qt is built against libstdc++: it exports QByteArray::toStdString and
// fromStdString for libstdc++'s string only (whose mangled names carry its "cxx11" tag),
// and QString::toStdString is inline on top of the first. A libc++ build needs the
// same two functions for libc++'s string, under names that cannot clash with Qt's. Only
// the libc++ build compiles them; every other build takes Qt's own.
#include <QByteArray>

#include <string>

#if defined(_LIBCPP_VERSION)

std::string QByteArray::toStdString() const {
    return std::string(constData(), static_cast<std::size_t>(size()));
}

QByteArray QByteArray::fromStdString(const std::string& s) {
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

#endif
