#pragma once

#include <map>
#include <memory>

#include "controles/TEstadoNovo.h"
#include "controles/TFormAssistBase.h"

class QLabel;
class QToolButton;

// The base of the program's wizards (writing, transmission, head-office change, import, print,
// backup, restore): a modal form with a footer holding Cancelar at the left and Voltar, Avançar
// and Concluir at the right, each a panel with a picture and a flat button, with an inactive twin
// behind it. The state machine and how a wizard defines itself: TFormAssistBase.
//
// Keys: Enter anywhere runs Avançar (nothing while Avançar is disabled), Esc runs Cancelar;
// closing the window is Cancelar too.
//
// A minimal wizard:
//   class Estado1 : public TEstadoNovo {
//     using TEstadoNovo::TEstadoNovo;
//     bool TrataEvento(int e) override { SetProximo(e == EventoAssistente::Cancelar ? -1 : 2); return false; }
//   };
//   MeuAssistente::MeuAssistente(QWidget* dono) : TFormAssistNovo(dono) {
//     CriaPainel(1); CriaPainel(2); ...            // put the pages' widgets in them
//     CriaEstado<Estado1>(1); CriaEstado<Estado2>(2);
//     ExecutaEstado();
//   }
//   void MeuAssistente::MostraPagina(int p) { MostraPainel(p); HabilitaVoltar(p > 1); ... }
class TFormAssistNovo : public TFormAssistBase {
  Q_OBJECT
 public:
  static constexpr int kAlturaRodape = 41;
  static constexpr int kLarguraBotao = 90;
  static constexpr int kAlturaBotao = 25;
  static constexpr int kLarguraDireita = 340;
  static constexpr int kPassoBotoes = 100;

  enum class Botao { Cancelar, Voltar, Avancar, Concluir };

  explicit TFormAssistNovo(QWidget* dono = nullptr);
  ~TFormAssistNovo() override;

  // Appends a state (owned from now on); its index is the count after adding it.
  void AdicionaEstado(std::unique_ptr<TEstadoNovo> estado);
  // Creates a state of class E with (this, page, further arguments), adds it and returns it.
  template <class E, class... Args>
  E* CriaEstado(int pagina, Args&&... args) {
    auto estado = std::make_unique<E>(this, pagina, std::forward<Args>(args)...);
    E* r = estado.get();
    AdicionaEstado(std::move(estado));
    return r;
  }

  // Enable or disable a button: the disabled one shows its inactive twin in front.
  void HabilitaCancelar(bool habilita);
  void HabilitaVoltar(bool habilita);
  // Also what Avançar (and Enter) obey.
  void HabilitaAvancar(bool habilita);
  void HabilitaConcluir(bool habilita);
  bool AvancarHabilitado() const { return m_avancarHabilitado; }

  // Avançar does nothing while it is disabled.
  void BtnAvancarClick() override;
  // Enter runs Avançar, Esc runs Cancelar; true when the key was one of them.
  bool FormKeyDown(int tecla);

  // The area above the footer, where the pages go.
  QWidget* AreaPaginas() const { return m_areaPaginas; }
  // A hidden panel for a page, filling the area; MostraPainel shows it.
  QWidget* CriaPainel(int pagina);
  QWidget* Painel(int pagina) const;
  // Hides the panel of the page shown last, shows this page's and makes it the current page.
  void MostraPainel(int pagina);

  // The button's panel (btnNext...), its inactive twin (btnNextInativo...) and the flat button
  // on the panel (SpeedBtnNext...), for captions and help contexts.
  QWidget* PainelBotao(Botao botao) const;
  QWidget* PainelInativo(Botao botao) const;
  QToolButton* SpeedBtn(Botao botao) const;
  // The help context of the four buttons.
  void DefineAjudaBotoes(int contexto);

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;
  void aposVoltar() override;

 private:
  struct Par;
  Par& par(Botao botao) const;
  void habilita(Botao botao, bool habilita);
  void dispoe();

  bool m_avancarHabilitado = true;
  QWidget* m_areaPaginas = nullptr;
  QWidget* m_pnInferior = nullptr;
  QWidget* m_linhaRodape = nullptr;
  QWidget* m_pnEsquerda = nullptr;
  QWidget* m_pnDireita = nullptr;
  std::unique_ptr<Par[]> m_pares;
  std::map<int, QWidget*> m_paineis;
};
