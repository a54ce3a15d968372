#pragma once

#include <QtGlobal>

// KITRA_LIBRARY is defined only while the library itself is compiled.
#if defined(KITRA_LIBRARY)
#  define KITRA_EXPORT Q_DECL_EXPORT
#else
#  define KITRA_EXPORT Q_DECL_IMPORT
#endif
