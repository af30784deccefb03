#pragma once

#include <QString>

#include <stdexcept>

#include "interface/TTolv2014.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"

namespace empresa_na_janela {

// The section indicators a test's company declares.
struct Indicadores {
  bool fundos = false;
  bool processos = false;
  bool remessa = false;
  bool planoSaude = false;
};

// A company declaration of 2013 (nature 0) in the main window's index, with its database.
inline void CriaEmpresa(TTolv2014& janela, const QString& cnpj, const Indicadores& indicadores = {},
                        const QString& nome = QStringLiteral("EMPRESA TESTE LTDA")) {
  TErros erros;
  TTolv t;
  t.SetErros(&erros);
  t.GetContribuinte().SetNi(cnpj);
  t.GetContribuinte().GetNome().SetValor(nome);
  t.GetEstabelecimentoResponsavel().SetNi(cnpj);
  t.SetNatureza(t.GetNaturezas().BuscaNatureza(0));
  t.SetInAdmFC(indicadores.fundos);
  t.SetInAdvogado(indicadores.processos);
  t.SetInRemessa(indicadores.remessa);
  t.SetInPlanoSaude(indicadores.planoSaude);
  janela.GetColecaoTolv().Inclui(t);
  t.LiberaItens();
}

// Loads that declaration through the index, as the open dialog does, into the window's own
// declaration (not shown yet).
inline void CarregaEmpresa(TTolv2014& janela, const QString& cnpj) {
  TTolv& t = janela.GetTolv();
  t.GetContribuinte().SetNi(cnpj);
  t.SetAnoCalendario(QStringLiteral("2013"));
  if (!janela.GetColecaoTolv().CarregaTolv(t)) throw std::runtime_error("declaração fora do índice");
}

}  // namespace empresa_na_janela
