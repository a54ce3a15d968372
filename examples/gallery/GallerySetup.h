#pragma once

class QString;
class QTemporaryDir;

/// Sets the library up as a host does at start-up (settings file in `scratch`, skin, language and
/// its translations), then the host's palette and the dialogs' application style sheet. An empty
/// `skin` keeps the one the settings name.
void ConfigureGallery(const QString& skin, const QString& language, const QTemporaryDir& scratch);
