#pragma once

#include "nucleo/TColecao.h"

// A collection whose rows load into objects of one type: the loading navigation moves the
// current query, loads the row into the object and keeps the beginning and end flags.
template <class T>
class TColecaoDe : public TColecao {
 public:
  virtual void CarregaPrimeiro(T& objeto) { Carrega(Movimento::Primeiro, objeto, false); }
  virtual void CarregaAnterior(T& objeto) { Carrega(Movimento::Anterior, objeto, false); }
  virtual void CarregaProximo(T& objeto) { Carrega(Movimento::Proximo, objeto, false); }
  virtual void CarregaProximoCompleto(T& objeto) { Carrega(Movimento::Proximo, objeto, true); }
  virtual void CarregaUltimo(T& objeto) { Carrega(Movimento::Ultimo, objeto, false); }
  virtual void CarregaAtual(T& objeto) { Carrega(Movimento::Atual, objeto, false); }

 protected:
  // Fills the object from the row on which the query stands.
  virtual void CarregaObjeto(T& objeto, bd::Consulta& dados) = 0;
  // The same with everything that hangs from the row; by default the row alone.
  virtual void CarregaObjetoCompleto(T& objeto, bd::Consulta& dados) { CarregaObjeto(objeto, dados); }
  // A move found no row at all; by default the object stays as it was.
  virtual void CarregaVazia(T& /*objeto*/) {}

  void Carrega(Movimento movimento, T& objeto, bool completo) {
    if (!PosicionaParaCarga(movimento)) {
      CarregaVazia(objeto);
      return;
    }
    if (completo)
      CarregaObjetoCompleto(objeto, *m_consultaAtual);
    else
      CarregaObjeto(objeto, *m_consultaAtual);
    AjustaFlagsCarga(movimento);
  }
};
