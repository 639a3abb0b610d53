#pragma once

#include <QString>

#include <functional>

// Opens a file, folder or web address with the platform's default handler.
namespace opener {

using Handler = std::function<bool(const QString& pathOrAddress)>;

// Returns false when nothing could open it.
bool openWithDefaultHandler(const QString& pathOrAddress);

// Replaces the handler (tests record instead of opening); an empty handler restores
// the platform's.
void setHandler(Handler handler);

} // namespace opener
