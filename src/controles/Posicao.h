#pragma once

class QWidget;

// Where the program's windows open.
void CentraNaTela(QWidget* janela);
void CentraSobre(QWidget* janela, const QWidget* dono);
