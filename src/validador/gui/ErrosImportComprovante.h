#pragma once

#include <QString>

// The report of the lines that an income-statement import rejected, in the shared preview; the
// log pair is deleted afterwards (see ExecutaErrosImportComprovante). A failure to open or delete
// the log is told in the message box.
void MostraErrosImportComprovante(const QString& raiz, int rejeitadas);
