#include "validador/TRegistroRraItem.h"

#include "plataforma/bd/ChamadaProcedimento.h"
#include "validador/TArquivoDados.h"
#include "validador/TLinhaI.h"
#include "validador/ValoresImportacao.h"

using enum TTipoRegistro;

namespace {
constexpr const char* kNomesMeses[12] = {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN", "JUL", "AGO", "SET", "OUT", "NOV", "DEZ"};
constexpr const char* kSeriesRra[TRegistroRraItem::kSeries] = {"VL_RENDIME",    "VL_RETIDO",   "VL_DEDUCAO_PO",
                                                                "VL_DEDUCAO_PA", "VL_MOLESTIA", "VL_CUSTAS",
                                                                "QTDE_MESES"};
}  // namespace

TRegistroRraItem::TRegistroRraItem(TDataAccess& banco, TArquivoDados& dados) : TRegistroTransferObject(banco, dados) {
  m_proc1 = Prepara("INCLUI_ATU_RRA_ITEM");
  static constexpr const char* kNomes[kCampos] = {
      "RRA_ITEM_ID", "ACAO",         "IN_TIPO_RRA", "IN_PF_PJ",          "NR_PF_PJ",    "NM_NM_EMPR", "NATUREZA",
      "RRA_PROCESSO", "IN_MOLESTIA", "DATA_LAUDO",  "IN_PF_PJ_ADVOGADO", "NR_ADVOGADO", "NM_ADVOGADO"};
  m_campo = Entradas(*m_proc1, kNomes);
  for (size_t s = 0; s < kSeries; ++s)
    for (size_t m = 0; m < 12; ++m)
      m_serie[s][m] = m_proc1->entrada(QString::fromLatin1(kSeriesRra[s]) + u'_' + QString::fromLatin1(kNomesMeses[m]));
  m_proc1->defineInicial(m_campo[kId], bd::Dado());
  SetTiposRegistro(TiposDe({IDREC, RRA, BPFRRA, RTRT, RTPO, RTPA, RTIRF, RIMOG, DAJUD, QTMESES}));
  ReiniciaParametros();
}

void TRegistroRraItem::ReiniciaParametros() {
  TRegistroTransferObject::ReiniciaParametros();
  m_temItem = false;
}

void TRegistroRraItem::Preenche(const TLinhaI& linha) {
  bd::ChamadaProcedimento& p = *m_proc1;
  switch (linha.GetTipo()) {
    case RRA: {
      m_acao = 1;
      m_tipoJustica = linha.Item(1).toString();
      m_processo = linha.Item(2).toString();
      m_niAdvogado = linha.Item(4).trimmed().toString();
      // The lawyer of this line: its own kind, else the length of its number; never the kind of
      // another process of the file.
      const QStringView tipo = linha.Item(3);
      if (tipo == u"1" || tipo == u"2")
        m_tipoAdvogado = tipo.toString();
      else if (m_niAdvogado.size() == 11)
        m_tipoAdvogado = QStringLiteral("1");
      else if (m_niAdvogado.size() == 14)
        m_tipoAdvogado = QStringLiteral("2");
      else
        m_tipoAdvogado.clear();
      m_baseAdvogado = ValoresImportacao::Base(m_niAdvogado, m_tipoAdvogado == u"1").toString();
      m_nomeAdvogado = linha.Item(5).trimmed().toString();
      break;
    }
    case BPFRRA: {
      m_temItem = true;
      p.defineTexto(m_campo[kAcao], QString::number(m_acao));
      p.defineTexto(m_campo[kTipoRra], m_tipoJustica);
      p.defineTexto(m_campo[kProcesso], m_processo);
      if (!m_niAdvogado.isEmpty() && m_niAdvogado != u"0") {
        p.defineTexto(m_campo[kTipoAdvogado], m_tipoAdvogado);
        p.defineTexto(m_campo[kNumeroAdvogado], m_baseAdvogado);
        p.defineTexto(m_campo[kNomeAdvogado], m_nomeAdvogado);
      } else {
        for (Campo c : {kTipoAdvogado, kNumeroAdvogado, kNomeAdvogado}) p.defineNulo(m_campo[c]);
      }
      if (m_tipoJustica == u"1")
        ++m_dados.Contagem.RraDeclarante;
      else
        ++m_dados.Contagem.RraProcesso;
      p.defineNulo(m_campo[kId]);
      p.defineTexto(m_campo[kTipoNi], u"1");
      p.defineTexto(m_campo[kNumero], ValoresImportacao::Base(linha.Item(1), true));
      p.defineTexto(m_campo[kNome], linha.Item(2).trimmed());
      p.defineTexto(m_campo[kNatureza], linha.Item(3));
      if (!linha.Item(4).isEmpty()) {
        p.defineData(m_campo[kDataLaudo], ValoresImportacao::Data(linha.Item(4)));
        p.defineTexto(m_campo[kInMolestia], u"S");
      } else {
        p.defineTexto(m_campo[kInMolestia], u"N");
      }
      break;
    }
    case RTRT: PreencheMeses(linha, kRendimento); break;
    case RTIRF: PreencheMeses(linha, kRetido); break;
    case RTPO: PreencheMeses(linha, kDeducaoPO); break;
    case RTPA: PreencheMeses(linha, kDeducaoPA); break;
    case RIMOG:
      PreencheMeses(linha, kMolestia);
      p.defineTexto(m_campo[kInMolestia], u"S");
      break;
    case DAJUD: PreencheMeses(linha, kCustas); break;
    case QTMESES: PreencheMeses(linha, kMeses); break;
    default:
      break;
  }
}

void TRegistroRraItem::PreencheMeses(const TLinhaI& linha, SerieRra serie) {
  // Every month, whatever the event's month; an item has no thirteenth value.
  for (int m = 1; m <= 12; ++m) {
    const QStringView texto = linha.Item(m);
    if (texto.isEmpty()) continue;
    const int64_t valor = serie == kMeses ? ValoresImportacao::Meses(texto) : ValoresImportacao::Valor(texto);
    m_proc1->defineDezMilesimos(m_serie[size_t(serie)][size_t(m - 1)], valor);
  }
}

void TRegistroRraItem::Grava() {
  // A process whose items were all refused stores nothing.
  if (m_temItem) m_proc1->executa();
  ReiniciaParametros();
}
