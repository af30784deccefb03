#include "nucleo/TColecaoCodigoRetencao.h"

#include "nucleo/TTolv.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Transacao.h"

namespace {

const QString kCodigosDoAno = QStringLiteral(
    "Select * from CODRET\n"
    "where ANO = :ANO\n"
    "AND ANEXO = :ANEXO\n"
    "AND NAT_DECLARANTE LIKE :NAT_DECLARANTE\n");

// The query runs on the index database: the caller's transaction, or the index connection's own.
void Prepara(bd::Consulta& consulta, const QString& sql) {
  consulta.fecha();
  if (!consulta.temTransacao()) consulta.defineTransacao(&TColecao::GetBancoIndice()->transacaoPadrao());
  consulta.defineSql(sql);
}

void ParametrosCodigos(TTolv& declaracao, bd::Consulta& consulta, const QString& anexo, int processo) {
  consulta.param(QStringLiteral("ANO"), declaracao.GetAnoCalendario());
  consulta.param(QStringLiteral("ANEXO"), processo == 1 ? QStringLiteral("2") : anexo);
  consulta.param(QStringLiteral("NAT_DECLARANTE"), u'%' + QString::number(declaracao.GetCodigoNatureza()) + u'%');
}

}  // namespace

TColecaoCodigoRetencao::TColecaoCodigoRetencao(TTolvAnexo& dono) : m_dono(&dono) {
  ConectarBancoIndice();
  if (FalhaBanco) return;
  m_ano = dono.GetDeclaracao().GetAnoCalendario();
  m_filtroAnexo = dono.EhAnexoFC() ? QStringLiteral("1") : QStringLiteral("0");
  // Every annex kind of the year at once: a fund annex's search locates its own kind, which is
  // what filtering by it would give.
  m_consultaLista.defineModo(bd::Consulta::Modo::Sequencial);
  m_consultaLista.defineTransacao(m_transacaoIndice.get());
  m_consultaLista.defineSql(QStringLiteral("Select * from CODRET\nwhere ANO = :ANO\norder by cod_retencao, ANEXO"));
  m_porCodigo = std::make_unique<bd::Consulta>(
      *m_transacaoIndice,
      QStringLiteral("Select * from CODRET\nwhere COD_RETENCAO = :COD_RETENCAO\norder by ANO desc, ANEXO"));
}

TColecaoCodigoRetencao::~TColecaoCodigoRetencao() = default;

void TColecaoCodigoRetencao::AbreConsulta(bd::Consulta& consulta) {
  consulta.fecha();
  AbreDataSet(consulta);
}

uint8_t TColecaoCodigoRetencao::Natureza() const { return m_dono->GetDeclaracao().GetCodigoNatureza(); }

TCodigoRetencao::Colunas TColecaoCodigoRetencao::LeColunas(const bd::Consulta& dados) {
  auto t = [&dados](const char* campo) { return dados.campo(QString::fromLatin1(campo)).texto(); };
  return {t("ANO").trimmed(),
          t("COD_RETENCAO").trimmed(),
          t("PF_PJ_AMBOS"),
          t("RESUMO"),
          t("REGIME"),
          t("COMPROVANTE"),
          t("ANEXO").trimmed(),
          t("DEDUCAO"),
          t("RENDIMENTOS_ISENTOS"),
          t("IN4"),
          t("SUBJUDICE"),
          t("NAT_DECLARANTE"),
          t("DECIMO_TERCEIRO")};
}

const TColecaoCodigoRetencao::Linhas* TColecaoCodigoRetencao::LinhasDoAno(const QString& ano) {
  if (const auto it = m_anos.find(ano); it != m_anos.end()) return &it->second;
  if (!m_porCodigo) return nullptr;  // nothing prepared after a failure of the run
  m_consultaLista.fecha();
  m_consultaLista.param(QStringLiteral("ANO"), ano);
  if (!AbreDataSet(m_consultaLista)) return nullptr;  // not kept: tried again next time
  ++m_leituras;
  Linhas linhas;
  for (; !m_consultaLista.eof(); m_consultaLista.proximo()) {
    TCodigoRetencao::Colunas colunas = LeColunas(m_consultaLista);
    Chave chave{colunas.codRetencao, colunas.anexo};
    linhas.emplace(std::move(chave), std::move(colunas));
  }
  m_consultaLista.fecha();
  return &m_anos.emplace(ano, std::move(linhas)).first->second;
}

const TCodigoRetencao::Colunas* TColecaoCodigoRetencao::LinhaDeOutroAno(const QString& codigo) {
  if (const auto it = m_outrosAnos.find(codigo); it != m_outrosAnos.end()) return it->second ? &*it->second : nullptr;
  if (!m_porCodigo) return nullptr;
  m_porCodigo->fecha();
  m_porCodigo->param(QStringLiteral("COD_RETENCAO"), codigo);
  if (!AbreDataSet(*m_porCodigo)) return nullptr;
  ++m_leituras;
  std::optional<TCodigoRetencao::Colunas> linha;
  if (!m_porCodigo->eof()) linha = LeColunas(*m_porCodigo);
  m_porCodigo->fecha();
  const auto& guardada = m_outrosAnos.emplace(codigo, std::move(linha)).first->second;
  return guardada ? &*guardada : nullptr;
}

void TColecaoCodigoRetencao::CarregaLinha(TCodigoRetencao& codigo, const bd::Consulta& dados) {
  codigo.CarregaColunas(LeColunas(dados), Natureza());
  m_ultimo = codigo;
  m_naturezaUltimo = Natureza();
}

bool TColecaoCodigoRetencao::BuscaCodigo(TCodigoRetencao& codigo) {
  const uint8_t natureza = Natureza();
  if (m_ultimo && m_naturezaUltimo == natureza && m_ultimo->GetAno() == codigo.GetAno() &&
      m_ultimo->GetAnexo() == codigo.GetAnexo() && m_ultimo->GetCodigo() == codigo.GetCodigo()) {
    m_ultimo->CopiaPara(codigo);
    return true;
  }
  const TCodigoRetencao::Colunas* linha = nullptr;
  m_origem = kNenhuma;
  if (const Linhas* doAno = LinhasDoAno(codigo.GetAno())) {
    if (const auto it = doAno->find({codigo.GetCodigo(), codigo.GetAnexo()}); it != doAno->end()) {
      linha = &it->second;
      m_origem = kAno;
    } else if (const auto outro = doAno->lower_bound({codigo.GetCodigo(), QString()});
               outro != doAno->end() && outro->first.first == codigo.GetCodigo()) {
      linha = &outro->second;
      m_origem = kAnoCodigo;
    }
  }
  if (!linha && (linha = LinhaDeOutroAno(codigo.GetCodigo()))) m_origem = kCodigo;
  if (!linha) return false;
  codigo.CarregaColunas(*linha, natureza);
  m_ultimo = codigo;
  m_naturezaUltimo = natureza;
  return true;
}

void TColecaoCodigoRetencao::AbreCodigos(TTolv& declaracao, bd::Consulta& consulta, const QString& anexo,
                                         int processo) {
  if (FalhaBancoIndice) return;
  Prepara(consulta, kCodigosDoAno + QStringLiteral("order by cod_retencao"));
  ParametrosCodigos(declaracao, consulta, anexo, processo);
  consulta.abre();
}

void TColecaoCodigoRetencao::AbreCodigosPfPj(TTolv& declaracao, bd::Consulta& consulta, const QString& anexo,
                                             int processo, const QString& pfPj) {
  if (FalhaBancoIndice) return;
  Prepara(consulta, kCodigosDoAno + QStringLiteral("AND (PF_PJ_AMBOS = :AMBOS\n"
                                                   " OR PF_PJ_AMBOS = :PF_PJ)\n"
                                                   "order by cod_retencao"));
  ParametrosCodigos(declaracao, consulta, anexo, processo);
  consulta.param(QStringLiteral("AMBOS"), QStringLiteral("A"));
  consulta.param(QStringLiteral("PF_PJ"), pfPj);
  consulta.abre();
}

void TColecaoCodigoRetencao::AbreCodigosFaixa(TTolv& declaracao, bd::Consulta& consulta, const QString& anexo,
                                              int processo, const QString& menor, const QString& maior) {
  if (FalhaBancoIndice) return;
  Prepara(consulta, kCodigosDoAno + QStringLiteral("AND COD_RETENCAO >= :MENOR_COD\n"
                                                   "AND COD_RETENCAO <= :MAIOR_COD\n"
                                                   "order by cod_retencao"));
  ParametrosCodigos(declaracao, consulta, anexo, processo);
  consulta.param(QStringLiteral("MENOR_COD"), menor);
  consulta.param(QStringLiteral("MAIOR_COD"), maior);
  consulta.abre();
}

void TColecaoCodigoRetencao::AbreListaCodigos(TTolv& declaracao, bd::Consulta& consulta) {
  if (FalhaBancoIndice) return;
  Prepara(consulta, QStringLiteral("Select distinct cod_retencao, PF_PJ_AMBOS, RESUMO from CODRET \n"
                                   "where ANO = :ANO \n"
                                   "and NAT_DECLARANTE like :NAT \n"
                                   "order by cod_retencao, ANEXO "));
  consulta.param(QStringLiteral("ANO"), declaracao.GetAnoCalendario());
  consulta.param(QStringLiteral("NAT"), u'%' + QString::number(declaracao.GetCodigoNatureza()) + u'%');
  consulta.abre();
}
