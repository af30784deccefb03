#pragma once

#include <QString>

#include <cstdint>
#include <vector>

class IObservador;

// How a value is observed. Lifetime is explicit: the owner frees the value, and the release
// notification is what keeps observers from holding a dangling pointer.
class IObservavel {
 public:
  virtual void AdicionaObservador(IObservador* observador) = 0;
  virtual void RemoveObservador(IObservador* observador) = 0;
  virtual void NotificaLiberacao() = 0;
  virtual void NotificaAlteracao() = 0;
  virtual void SetValor(const QString& texto) = 0;
  virtual QString GetValor() const = 0;

 protected:
  ~IObservavel() = default;
};

class IObservador {
 public:
  virtual void Alterado(IObservavel* observavel) = 0;
  // The value is being destroyed: forget it, do not call it back.
  virtual void Liberado(IObservavel* observavel) = 0;

 protected:
  ~IObservador() = default;
};

// The observers of one value, in the order of registration. A notification calls each observer
// registered when it starts and still registered when its turn comes, once: an observer may leave
// the list (or take another out, or add one) while it is being told.
class TObservadores {
 public:
  TObservadores() = default;
  TObservadores(const TObservadores&) = delete;
  TObservadores& operator=(const TObservadores&) = delete;

  // No duplicate check: an observer registered twice is called twice.
  void Adiciona(IObservador* observador);
  // Takes out the first occurrence; nothing happens when it is absent.
  void Remove(IObservador* observador);
  // Observers added during a notification hear of the next one.
  void NotificaAlteracao(IObservavel* observavel);
  void NotificaLiberacao(IObservavel* observavel);  // empties the list afterwards

  int Quantidade() const;
  bool Vazia() const { return m_itens.empty(); }
  bool Contem(const IObservador* observador) const;

 private:
  class Percurso;
  void Compacta();

  // While a notification walks the list, a removed observer leaves an empty place behind, taken
  // out when the last walk ends (a notification may cause another).
  std::vector<IObservador*> m_itens;
  uint16_t m_percursos = 0;
  bool m_vagas = false;
};
