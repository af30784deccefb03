#pragma once

#include "validador/IServicosSecoes.h"

// The checks that need no database (registry number, nature text) done here; every question
// that needs the sections' reference tables or stored data is answered favourably, so that an
// analysis without the sections' library refuses nothing it cannot judge.
class ServicosSecoesBasicos : public IServicosSecoes {
 public:
  int ValidaNaturezaRra(const QString& natureza) override;
  int ValidaRegistroAns(const QString& registro) override;
  bool PaisValido(const QString&) override { return true; }
  bool RelacaoValida(const DadosRemessa&, const QString&) override { return true; }
  bool RelacaoExiste(const QString&) override { return true; }
  ResultadoSecao ValidaCodigoReceita(const DadosRemessa&, const TTolv&, const QString&) override { return {}; }
  ResultadoSecao ValidaTipoRendimento(const QString&, const QString&) override { return {}; }
  ResultadoSecao ValidaFormaTributacao(const QString&, const QString&) override { return {}; }
  bool ExisteRra() override { return false; }
  bool RraJaExiste(const DadosRra&) override { return false; }

  // The registry number's check digit over its first five digits.
  static int DigitoRegistroAns(const QString& registro);
};
