#pragma once

class QCoreApplication;

// The interface is French whatever the desktop's language: Qt's own dialogs
// and buttons are made French too, from the translations Qt ships.
void InstallFrenchTranslations(QCoreApplication& app);
