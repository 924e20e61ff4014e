#pragma once

// "kinopix --verifier-tableur": starts an office without any window, on a scratch profile,
// reaches its desktop through the spreadsheet bridge, then ends it. Says on the terminal
// whether the bridge works; 0 when it does. For the installed program's check, and for an
// administrator who wants to know before a lesson.
int verifierTableur();
