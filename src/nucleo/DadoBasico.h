#pragma once

#include "nucleo/Observadores.h"

#include <QString>

// The base of every value of a declaration: it formats itself, validates on assignment
// (raising a TErro descendant and keeping its previous content), remembers whether it is
// optional and whether it changed, and tells its observers. Values are not copied: observers
// hold their address.
class TDadoBasico : public IObservavel {
 public:
  TDadoBasico() = default;
  virtual ~TDadoBasico();
  TDadoBasico(const TDadoBasico&) = delete;
  TDadoBasico& operator=(const TDadoBasico&) = delete;

  virtual QString GetFormatado() const { return GetValor(); }
  // The base accepts any text, stores nothing and notifies.
  void SetValor(const QString& texto) override;
  QString GetValor() const override { return {}; }

  void AdicionaObservador(IObservador* observador) override { m_observadores.Adiciona(observador); }
  void RemoveObservador(IObservador* observador) override { m_observadores.Remove(observador); }
  bool TemObservador(const IObservador* observador) const { return m_observadores.Contem(observador); }
  int QuantidadeObservadores() const { return m_observadores.Quantidade(); }
  void NotificaAlteracao() override;
  void NotificaLiberacao() override;

  bool GetOpcional() const { return m_opcional; }
  void SetOpcional(bool opcional) { m_opcional = opcional; }
  // Virtual because values made of several parts answer for all of them.
  virtual bool GetModificado() const { return m_modificado; }
  // Without notifying anybody: used after loading and after saving.
  virtual void SetModificado(bool modificado) { m_modificado = modificado; }

 private:
  friend class TNotificacaoAdiada;

  TObservadores m_observadores;
  bool m_opcional = false;
  bool m_modificado = false;
  bool m_adiado = false;  // changed while notifications wait; told when they are let go
};

// While one lives, a value that changes keeps it to itself; when the outermost one ends, every
// value that changed tells its observers once, and so do the totals those changes touched. Loading
// a whole line thus costs its observers one notification each, after the load, instead of one per
// amount. Observers must not raise when told. One thread only.
class TNotificacaoAdiada {
 public:
  TNotificacaoAdiada();
  ~TNotificacaoAdiada();
  TNotificacaoAdiada(const TNotificacaoAdiada&) = delete;
  TNotificacaoAdiada& operator=(const TNotificacaoAdiada&) = delete;

  static bool Ativa();

 private:
  friend class TDadoBasico;
  static void Adia(TDadoBasico* dado);
  static void Esquece(TDadoBasico* dado);
};
