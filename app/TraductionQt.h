#pragma once

class QCoreApplication;

// Puts Qt's own texts in French (file dialogs, "Oui"/"Non"/"Annuler" buttons...) whatever the
// system language, so that every word the user sees is French. Call once, right after the
// application object is made. Returns false when Qt's French catalogue is not installed: the
// program still runs, with Qt's English texts.
bool chargerTraductionQt(QCoreApplication& app);
