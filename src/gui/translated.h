#pragma once
// The words of the windows, in the language in use: TW_QTR(context, text) is
// TW_TR(context, text) as a QString. lupdate reads it like TW_TR.

#include <QString>

#include "base/translation.h"

namespace tw::gui {

inline QString toQString(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

}  // namespace tw::gui

#define TW_QTR(context, text) ::tw::gui::toQString(TW_TR(context, text))
