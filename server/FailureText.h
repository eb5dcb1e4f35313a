#pragma once

#include <QString>

// The French sentence of a request that failed, for the warning line: what happened in words a
// user reads, then the library's own text in brackets for support.
QString failureSentence(int curlCode, long httpStatus, const QString& libraryText);
