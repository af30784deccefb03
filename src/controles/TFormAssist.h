#pragma once

#include <memory>

#include "controles/TEstado.h"
#include "controles/TFormAssistBase.h"

class QLabel;
class QPushButton;

// The older wizard form, kept for the wizard that imports declarations of earlier years: the same
// state machine as TFormAssistNovo (see TFormAssistBase) with ordinary buttons in the footer,
// CancelBtn "&Cancelar" (Esc), BtnRetornar "&Voltar" (disabled at first), BtnAvancar "&Avançar"
// (the default button: Enter) and BtnOK "C&oncluir", and the hidden picture ImgFechar that a
// wizard shows on BtnOK when it turns it into "&Fechar". The wizard enables the buttons itself.
class TFormAssist : public TFormAssistBase {
  Q_OBJECT
 public:
  explicit TFormAssist(QWidget* dono = nullptr);
  ~TFormAssist() override;

  void AdicionaEstado(std::unique_ptr<TEstado> estado);
  template <class E, class... Args>
  E* CriaEstado(int pagina, Args&&... args) {
    auto estado = std::make_unique<E>(this, pagina, std::forward<Args>(args)...);
    E* r = estado.get();
    AdicionaEstado(std::move(estado));
    return r;
  }

  QPushButton* CancelBtn() const { return m_cancelBtn; }
  QPushButton* BtnRetornar() const { return m_btnRetornar; }
  QPushButton* BtnAvancar() const { return m_btnAvancar; }
  QPushButton* BtnOK() const { return m_btnOK; }
  QLabel* ImgFechar() const { return m_imgFechar; }
  // The area above the footer, where the pages go.
  QWidget* AreaPaginas() const { return m_areaPaginas; }

 protected:
  void resizeEvent(QResizeEvent* evento) override;

 private:
  void dispoe();

  QWidget* m_areaPaginas = nullptr;
  QWidget* m_pnInferior = nullptr;
  QWidget* m_shape2 = nullptr;
  QWidget* m_pnEsquerda = nullptr;
  QWidget* m_pnDireita = nullptr;
  QPushButton* m_cancelBtn = nullptr;
  QPushButton* m_btnRetornar = nullptr;
  QPushButton* m_btnAvancar = nullptr;
  QPushButton* m_btnOK = nullptr;
  QLabel* m_imgFechar = nullptr;
};
