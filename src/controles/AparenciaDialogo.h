#pragma once

#include <QString>
#include <QWidget>

class MolduraTolv;
class QAbstractItemView;
class QDialog;
class TTolvButton;

// The look the declaration dialogs share: panel #F2F2F2, frames #DFE8ED with a #B9D0DE border,
// labels and choices #525252 Arial, button texts #336EB1 (#C6C6C6 on the inactive OK).
namespace AparenciaDialogo {

inline constexpr QRgb kTextoBotao = 0x336EB1;
inline constexpr QRgb kTextoInativo = 0xC6C6C6;
inline constexpr QRgb kGrade = 0xDFE8ED;
inline constexpr QRgb kLinhaGrade = 0xB9D0DE;
inline constexpr QRgb kDestaque = 0x638FC0;

void Aplica(QDialog* dialogo);
// A frame of the dialog, filled #DFE8ED inside a #B9D0DE line.
MolduraTolv* Moldura(QWidget* pai, const QString& nome = {});
// A button drawn by the program, 85 by 25 pixels.
TTolvButton* Botao(const QString& nome, const QString& texto, QWidget* pai);
// The grid: #DFE8ED, #525252 Arial text, #B9D0DE lines, #638FC0 highlight.
void PintaGrade(QAbstractItemView* grade);
// Text colour of a label or choice.
void PintaTexto(QWidget* w, QRgb cor = 0x525252);

// Where the dialogs open over the main window: horizontally centred on its client area; the
// top `deslocamento` pixels below the top of its client area plus, when `meio` is set, half the
// room the dialog leaves free in it, scaled to the screen's resolution. Kept on the screen.
// Without an owner the dialog is centred on the screen.
void Posiciona(QWidget* dialogo, const QWidget* dono, int deslocamento, bool meio);

}  // namespace AparenciaDialogo

// The OK button of a dialog and its inactive twin, one in front of the other: only the active one
// can be pressed. Panels "btnOk"/"btnOkInativo" by default.
class TBotaoOk : public QWidget {
  Q_OBJECT
 public:
  TBotaoOk(const QString& nomeBotao, const QString& texto, QWidget* pai,
           const QString& nomePainel = QStringLiteral("btnOk"),
           const QString& nomeInativo = QStringLiteral("btnOkInativo"));

  void Habilita(bool habilita);
  bool Habilitado() const { return m_habilitado; }
  TTolvButton* Botao() const { return m_botao; }
  TTolvButton* Inativo() const { return m_inativo; }
  QWidget* Painel() const { return m_painel; }
  QWidget* PainelInativo() const { return m_painelInativo; }
  QSize sizeHint() const override;

 signals:
  void clicked();

 private:
  QWidget* m_painel;
  QWidget* m_painelInativo;
  TTolvButton* m_botao;
  TTolvButton* m_inativo;
  bool m_habilitado = true;
};
