#include "entrega/VerificacaoSecoesComplementares.h"

#include <span>

#include "entrega/TVerificacaoPendencias.h"
#include "nucleo/Erros.h"
#include "nucleo/Pendencia.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Consulta.h"
#include "secoes/TRraTipoFactory.h"
#include "secoes/TzuqConsultasRemessaBanco.h"
#include "secoes/TzuqDeclaracaoRemessa.h"
#include "secoes/TzuqRemessa.h"
#include "secoes/TzuqRemessaDAO.h"
#include "secoes/TzuqRra.h"
#include "secoes/TzuqRraDAO.h"
#include "secoes/TzuqValorRemessa.h"

namespace {

constexpr int kIntervaloContador = 100;
constexpr uint8_t kErro = 1;
constexpr uint8_t kObjetoRemessa = 7;
constexpr uint8_t kObjetoValorRemessa = 8;
constexpr uint16_t kSemValores = 219;

// The item's columns and its two names under the names the item's loader reads.
const char* const kItensRra = R"(
SELECT RRA.*, BEN1.NM_NM_EMPR AS NM_NM_EMPR, BEN2.NM_NM_EMPR AS NM_NM_EMPR_ADVOGADO
FROM RRA_ITEM RRA
LEFT JOIN BENEFICIARIOS BEN1 ON BEN1.IN_PF_PJ = RRA.IN_PF_PJ AND BEN1.NR_PF_PJ = RRA.NR_PF_PJ
LEFT JOIN BENEFICIARIOS BEN2 ON BEN2.IN_PF_PJ = RRA.IN_PF_PJ_ADVOGADO AND BEN2.NR_PF_PJ = RRA.NR_ADVOGADO
WHERE RRA.IN_TIPO_RRA = :TIPO
ORDER BY RRA.RRA_ITEM_ID
)";

void Mostra(TVerificacaoPendencias& v, int contador, bool achou) {
  if (achou || contador % kIntervaloContador == 0) v.SetVerificados(contador);
}

}  // namespace

QString ConsultaItensRra() { return QString::fromLatin1(kItensRra); }

void VerificaRra(TTolv& declaracao, int tipo, TErros& erros, TVerificacaoPendencias& verificacao, int& contador,
                 bool& limpo) {
  bd::Consulta q(declaracao.GetTransacaoDeclaracao(), ConsultaItensRra());
  q.param(QStringLiteral("TIPO"), QString::number(tipo));
  q.abre();
  TzuqRraDAO& leitor = TzuqRraDAO::DaDeclaracao(declaracao);
  std::unique_ptr<TzuqRra> item = TRraTipoFactory::CriaRraSemDeclaracao(uint8_t(tipo));
  item->SetTolv(&declaracao);
  bool tituloListado = false;
  erros.Limpa();
  for (; !q.eof() && !verificacao.GetParado(); q.proximo()) {
    leitor.CarregaItem(q, *item);
    item->VerificaItem(erros);
    item->VerificaConsistencia(erros);
    ++contador;
    const bool achou = erros.GetQuantidade() > 0;
    if (achou) {
      limpo = false;
      if (!tituloListado) {
        tituloListado = true;
        verificacao.IncluiTituloRra(tipo);
      }
      verificacao.IncluiBeneficiarioRra(item->GetBeneficiario().GetNiFormatado() + QStringLiteral(" - ") +
                                        item->GetBeneficiario().GetNome().GetValor());
      verificacao.IncluiErros(erros);
      erros.Limpa();
    }
    Mostra(verificacao, contador, achou);
    verificacao.ProcessaEventos();
  }
  q.fecha();
  verificacao.SetVerificados(contador);
}

namespace {

class PercursoRemessas {
 public:
  PercursoRemessas(TErros& erros, TVerificacaoPendencias& verificacao, int& contador, bool& limpo)
      : m_erros(erros), m_v(verificacao), m_contador(contador), m_limpo(limpo) {}

  void Remessa(TzuqRemessa& remessa, std::span<TzuqValorRemessa> valores) {
    m_beneficiarioListado = false;
    const QString dono = QString::number(remessa.GetId());
    remessa.ValidaTodos();
    for (const TzuqErro& e : remessa.GetErros())
      Achado(e.Codigo(), e.TextoExtra(), kObjetoRemessa, dono, QString::number(e.NumeroCampo()));
    Lista(remessa);

    if (valores.empty()) {
      Achado(kSemValores, {}, kObjetoValorRemessa, dono, QStringLiteral("0"));
      Lista(remessa);
    }
    for (TzuqValorRemessa& valor : valores) {
      if (m_v.GetParado()) break;
      valor.ValidaTodos();
      if (!valor.GetErros().empty()) {
        Cabecalhos(remessa);
        m_v.IncluiTitulo(QStringLiteral("10         Data - ") + valor.GetData());
        // The line's own findings carry only their code.
        for (const TzuqErro& e : valor.GetErros())
          Achado(e.Codigo(), {}, kObjetoValorRemessa, dono, QString::number(e.NumeroCampo()));
        Lista(remessa);
      }
      ++m_contador;
      Mostra(m_v, m_contador, false);
    }
    ++m_contador;
    m_v.SetVerificados(m_contador);
    m_v.ProcessaEventos();
  }

 private:
  void Achado(uint16_t codigo, const QString& argumentos, uint8_t objeto, const QString& dono,
              const QString& quem) {
    AdicionaPendencia<TErro>(m_erros, codigo, argumentos, kErro, dono, quem, objeto);
  }
  void Cabecalhos(const TzuqRemessa& remessa) {
    m_limpo = false;
    if (!m_tituloListado) {
      m_tituloListado = true;
      m_v.IncluiTituloRemessa();
    }
    if (!m_beneficiarioListado) {
      m_beneficiarioListado = true;
      m_v.IncluiBeneficiarioRemessa(remessa.GetNome().GetValor());
    }
  }
  void Lista(const TzuqRemessa& remessa) {
    if (m_erros.GetQuantidade() == 0) return;
    Cabecalhos(remessa);
    m_v.IncluiErros(m_erros);
    m_erros.Limpa();
  }

  TErros& m_erros;
  TVerificacaoPendencias& m_v;
  int& m_contador;
  bool& m_limpo;
  bool m_tituloListado = false;
  bool m_beneficiarioListado = false;
};

}  // namespace

void VerificaRemessas(TTolv& declaracao, TErros& erros, TVerificacaoPendencias& verificacao, int& contador,
                      bool& limpo) {
  TzuqDeclaracaoRemessa daDeclaracao(declaracao);
  daDeclaracao.SetVerificacaoEmCurso(true);
  ConsultasDaVerificacao consultas(TzuqConsultasRemessaBanco::Instancia());
  TzuqRemessa remessa;
  remessa.SetDeclaracao(&daDeclaracao);
  remessa.SetConsultas(&consultas);
  PercursoRemessas percurso(erros, verificacao, contador, limpo);
  erros.Limpa();
  TzuqRemessaDAO remessas;
  // The walk reads ahead; a stop lets the rest go by unchecked.
  remessas.PercorreComValores(remessa, [&](TzuqRemessa& lida, std::span<TzuqValorRemessa> valores) {
    if (!verificacao.GetParado()) percurso.Remessa(lida, valores);
  });
  verificacao.SetVerificados(contador);
}
