#pragma once

#include <QString>

#include <cstdint>

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

// The observers of one value, in the order of registration. Most values have one observer
// or none, so one is kept inline and the list reaches the heap only from the second on.
class TObservadores {
 public:
  TObservadores() = default;
  ~TObservadores();
  TObservadores(const TObservadores&) = delete;
  TObservadores& operator=(const TObservadores&) = delete;

  // No duplicate check: an observer registered twice is called twice.
  void Adiciona(IObservador* observador);
  // Takes out the first occurrence; nothing happens when it is absent.
  void Remove(IObservador* observador);
  // Walked by position over the count taken at the start; an observer that unregisters
  // during the walk is never read past the end of the list.
  void NotificaAlteracao(IObservavel* observavel);
  void NotificaLiberacao(IObservavel* observavel);  // empties the list afterwards

  int Quantidade() const { return int(m_quantidade); }
  bool Contem(const IObservador* observador) const;

 private:
  IObservador** itens() { return m_capacidade > 1 ? m_heap : &m_um; }
  IObservador* const* itens() const { return m_capacidade > 1 ? m_heap : &m_um; }

  union {
    IObservador* m_um = nullptr;
    IObservador** m_heap;
  };
  uint32_t m_quantidade = 0;
  uint32_t m_capacidade = 1;
};
