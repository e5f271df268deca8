// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tamsel {

namespace {

constexpr char kTranslatorName[] = "tamselQtGerman";

}  // namespace

bool InstallQtGermanTranslation() {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) return false;
    if (app->findChild<QTranslator*>(QLatin1String(kTranslatorName), Qt::FindDirectChildrenOnly) != nullptr) {
        return true;  // installed before
    }
    auto* translator = new QTranslator(app);
    translator->setObjectName(QLatin1String(kTranslatorName));
    if (!translator->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

}  // namespace tamsel
