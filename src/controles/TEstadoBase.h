#pragma once

class TFormAssistBase;

// Events that a wizard hands to its current state.
namespace EventoAssistente {
inline constexpr int Cancelar = 1;
inline constexpr int Avancar = 3;
inline constexpr int Concluir = 4;
}  // namespace EventoAssistente

// Where a state's next index may lead besides a state: -1 ends the wizard as cancelled (Rejected),
// 0 ends it as done (Accepted). States are numbered from 1 in the order they were added.
namespace RotaAssistente {
inline constexpr int Cancela = -1;
inline constexpr int Conclui = 0;
}  // namespace RotaAssistente

// One state of a wizard: one page and, optionally, the work done on entering it.
// The shared part of TEstadoNovo and TEstado; derive from one of those.
//
// A derived state overrides:
//  - TrataEvento(evento): set the next index (SetProximo) from the page's input and answer whether
//    advancing goes on by itself (true runs the next state's TrataEvento at once, as Concluir does
//    through several pages). A state that routes to 0 or -1 ends the wizard whatever it answers.
//  - Entra(): the state's work, run after its page is shown (typically Owner()->ProcessaPasso(page);
//    on failure Owner()->MarcaErro(true) and SetProximo(<error page>)).
//  - TrataErro(): how the state shows its error when it is executed again while marked in error;
//    the error is shown once: Executa clears the mark afterwards.
class TEstadoBase {
 public:
  TEstadoBase(TFormAssistBase* dono, int pagina);
  virtual ~TEstadoBase();
  TEstadoBase(const TEstadoBase&) = delete;
  TEstadoBase& operator=(const TEstadoBase&) = delete;

  virtual bool SemErro() const;
  virtual void TrataErro();
  // Shows this state's page: the owner's MostraPagina(page).
  virtual void Mostra();
  virtual void Sai();
  virtual void Entra();
  virtual int GetAnterior() const;
  virtual void SetAnterior(int indice);
  virtual int GetProximo() const;
  virtual bool TrataEvento(int evento) = 0;
  // Shows the page; when the state is marked in error, TrataErro runs, the mark is cleared and the
  // page is shown again; then Entra runs.
  virtual void Executa();
  virtual void SetErro(bool erro);

  int Pagina() const { return m_pagina; }

 protected:
  void SetProximo(int indice) { m_proximo = indice; }
  TFormAssistBase* donoBase() const { return m_dono; }

 private:
  bool m_erro = false;
  TFormAssistBase* m_dono;
  int m_anterior = 0;
  int m_pagina;
  int m_proximo = 0;
};
