#include "validador/TDeclaracao.h"

#include "validador/TArquivoDados.h"
#include "validador/TRegistro.h"
#include "validador/TobjectPool.h"

TDeclaracao::TDeclaracao(TArquivoDados& dados)
    : TPrimitivo(dados, Tabela()),
      m_pool(std::make_unique<TobjectPool>(dados)),
      m_semTipo(std::make_unique<TRegistro>(dados, dados.Flags().GetFlagCampo())) {
  m_registroAtual = m_semTipo.get();
  RegistraRegra(QStringLiteral("ER_DeclaracaoValida"));
  m_textoRegistro = QStringLiteral(" Registro: XXXXX");
  m_textoCampo = QStringLiteral(" Campo: XXXXX");
}

TDeclaracao::~TDeclaracao() = default;

const TabelaRegras& TDeclaracao::Tabela() {
  using T = TDeclaracao;
  static const TabelaRegras tabela("TDeclaracao", &TPrimitivo::Tabela(),
                                   {{"ER_DeclaracaoValida", &RegraDe<T, &T::ER_DeclaracaoValida>},
                                    {"ER_FimDeclaracaoValido", &RegraDe<T, &T::ER_FimDeclaracaoValido>}});
  return tabela;
}

void TDeclaracao::MarcaTipoVisto(TTipoRegistro tipo) {
  if (tipo == TTipoRegistro::RESPO) m_respoVisto = true;
  if (tipo == TTipoRegistro::DECPF) m_decpfVisto = true;
  if (tipo == TTipoRegistro::DECPJ) m_decpjVisto = true;
}

bool TDeclaracao::ER_DeclaracaoValida() { return m_respoVisto && (m_decpfVisto || m_decpjVisto); }

bool TDeclaracao::ER_FimDeclaracaoValido() {
  m_textoRegistro = QStringLiteral(" Registro: FimTolv");
  m_textoCampo = QStringLiteral(" Campo: 1");
  return m_fimAceito;
}
