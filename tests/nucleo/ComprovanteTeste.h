#pragma once

#include <QString>

#include <memory>
#include <vector>

#include "DeclaracaoTeste.h"
#include "nucleo/Cpf.h"
#include "nucleo/TBeneficiarioTolv.h"
#include "nucleo/TTolv.h"
#include "nucleo/TTolvItem.h"

namespace comprovante_teste {

inline Valor R(const char* texto) { return Valor::deTexto(QString::fromUtf8(texto)); }

// An amount as the statement shows it, negative ones included: failures read as text.
inline QString T(const TMonetario& valor) { return valor.GetValorInterno().formata(2, true); }

inline TCodigoRetencao Codigo(const char* codigo, const char* regime, const char* resumo, bool in4 = false) {
  TCodigoRetencao::Colunas c;
  c.ano = QStringLiteral("2013");
  c.codRetencao = QString::fromLatin1(codigo);
  c.regime = QString::fromLatin1(regime);
  c.resumo = QString::fromUtf8(resumo);
  c.pfPjAmbos = QStringLiteral("A");
  c.anexo = QStringLiteral("0");
  c.in4 = in4 ? QStringLiteral("T") : QStringLiteral("F");
  TCodigoRetencao codigoRetencao;
  codigoRetencao.CarregaColunas(c, 2);
  return codigoRetencao;
}

// Lines of one beneficiary of a declaration of 2013, made by hand: what the lines collection would
// hand to a statement. The lines of an annex carry the annex mark.
class Linhas {
 public:
  Linhas() {
    m_tolv.SetAnoCalendario(QStringLiteral("2013"));
    m_beneficiario.SetNi(QStringLiteral("52998224725"));
  }

  TTolvItem& Nova(const TCodigoRetencao& codigo, bool doAnexo = false) {
    m_linhas.push_back(doAnexo ? std::make_unique<TTolvItem>(m_tolv, m_anexo) : std::make_unique<TTolvItem>(m_tolv, m_tolv));
    m_linhas.back()->SetCodigoRetencao(codigo);
    return *m_linhas.back();
  }

  TTolv m_tolv;
  declaracao_teste::Anexo m_anexo{m_tolv, QStringLiteral("2")};
  TBeneficiarioTolv m_beneficiario{&m_tolv};
  std::vector<std::unique_ptr<TTolvItem>> m_linhas;
};

}  // namespace comprovante_teste
