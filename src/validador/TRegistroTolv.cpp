#include "validador/TRegistroTolv.h"

#include "nucleo/TColecao.h"
#include "plataforma/bd/ChamadaProcedimento.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/ErroBanco.h"
#include "validador/TArquivoDados.h"
#include "validador/TDataAccess.h"
#include "validador/TLinhaI.h"
#include "validador/ValoresImportacao.h"

using enum TTipoRegistro;

namespace {

constexpr const char* kNomes[TRegistroTolv::kCampos] = {
    "AN_RETENCA", "IN_RETIFIC", "NR_RECIBO", "RESP_PF", "NM_RESP", "ED_DDD", "ED_TELEFONE", "ED_RAMAL", "ED_FAX",
    "ED_EMAIL", "NR_DISQUETES", "NR_ESTABES", "IN_LUCDIV", "IN_PAGTITMIC", "IN_PF_PJ", "NR_PF_PJ", "NM_NM_EMPR",
    "IN_NATUREZADECLAR", "IN_REMESSA", "DATA_EVENTO", "IN_ENCERRA", "TIPO_EVENTO", "IN_PLANOSAUDE",
    "IN_SERVICONOTARIAL", "IN_GERACAO", "RESP_NO_CNPJ", "IN_OSTENSIVO", "IN_ADVOGADO", "IN_ADM_FC", "IN_COPA",
    "IN_TIPO", "TOLV_DK", "ARQUIVO", "SCP"};

bool EhS(QStringView valor) { return valor.size() == 1 && valor[0].toUpper() == u'S'; }

}  // namespace

TRegistroTolv::TRegistroTolv(TDataAccess& banco, TArquivoDados& dados)
    : TRegistroTransferObject(banco, dados),
      m_transacaoIndice({QStringLiteral("read_committed"), QStringLiteral("rec_version"), QStringLiteral("nowait")}) {
  m_transacaoIndice.defineConexao(TColecao::GetBancoIndice());
  m_proc1 = Prepara("INCLUI_ATU_TOLV");
  m_proc2 = std::make_unique<bd::ChamadaProcedimento>(m_transacaoIndice, QStringLiteral("INCLUI_ATU_TOLV"),
                                                       QDate(1899, 12, 30));
  m_proc2->prepara();
  for (int c = 0; c < kCampos; ++c) {
    const QString nome = QString::fromLatin1(kNomes[c]);
    m_posicaoDeclaracao[size_t(c)] = m_proc1->procuraEntrada(nome);
    m_posicaoIndice[size_t(c)] = m_proc2->procuraEntrada(nome);
    // A field that neither call has is a template that does not match the program.
    if (m_posicaoDeclaracao[size_t(c)] < 0 && m_posicaoIndice[size_t(c)] < 0) m_proc1->entrada(nome);
  }
  SetTiposRegistro(TiposDe({RTOLV, RESPO, DECPF, DECPJ}));
  ReiniciaParametros();
}

TRegistroTolv::~TRegistroTolv() = default;

void TRegistroTolv::ReiniciaParametros() {
  m_proc1->reinicia();
  m_proc2->reinicia();
}

void TRegistroTolv::Texto(Campo campo, QStringView texto) {
  if (const int d = m_posicaoDeclaracao[size_t(campo)]; d >= 0) m_proc1->defineTexto(d, texto);
  if (const int i = m_posicaoIndice[size_t(campo)]; i >= 0) m_proc2->defineTexto(i, texto);
}

void TRegistroTolv::Inteiro(Campo campo, int64_t valor) {
  if (const int d = m_posicaoDeclaracao[size_t(campo)]; d >= 0) m_proc1->defineInteiro(d, valor);
  if (const int i = m_posicaoIndice[size_t(campo)]; i >= 0) m_proc2->defineInteiro(i, valor);
}

void TRegistroTolv::SimNao(Campo campo, bool sim) { Texto(campo, sim ? u"S" : u"N"); }

void TRegistroTolv::UmZero(Campo campo, bool um) { Inteiro(campo, um ? 1 : 0); }

void TRegistroTolv::Preenche(const TLinhaI& linha) {
  const TArquivoDados& d = m_dados;
  switch (linha.GetTipo()) {
    case RTOLV:
      ReiniciaParametros();
      // The run's calendar year, not the line's: the pre-analysis may have chosen another.
      Texto(kAnRetenca, d.AnoCalendario);
      Texto(kInRetific, EhS(linha.Item(3)) ? u"R" : u"O");
      Texto(kNrRecibo, linha.Item(4));
      Inteiro(kInTipo, 0);
      m_proc2->defineNulo(m_posicaoIndice[kTolvDk]);
      m_banco.FonteDK = 1;
      break;
    case RESPO:
      Texto(kRespPf, ValoresImportacao::Base(linha.Item(1), true));
      Texto(kNmResp, linha.Item(2).trimmed());
      Texto(kEdDdd, linha.Item(3));
      Texto(kEdTelefone, linha.Item(4));
      Texto(kEdRamal, linha.Item(5));
      Texto(kEdFax, linha.Item(6));
      Texto(kEdEmail, linha.Item(7));
      Inteiro(kNrDisquetes, 0);
      Inteiro(kNrEstabes, 0);
      Texto(kInLucDiv, u"N");
      Texto(kInPagTitMic, u"N");
      break;
    case DECPF:
      PreencheDeclarante(linha, true);
      break;
    case DECPJ:
      PreencheDeclarante(linha, false);
      break;
    default:
      break;
  }
}

void TRegistroTolv::PreencheDeclarante(const TLinhaI& linha, bool pessoa) {
  const TArquivoDados& d = m_dados;
  Texto(kInPfPj, pessoa ? u"1" : u"2");
  Texto(kNrPfPj, ValoresImportacao::Base(linha.Item(1), pessoa));
  Texto(kNmNmEmpr, linha.Item(2).trimmed());
  SimNao(kInRemessa, d.IndExterior);
  UmZero(kInPlanoSaude, d.IndPlanoSaude);
  Inteiro(kInGeracao, 0);
  if (pessoa) {
    Inteiro(kInNatureza, 9);
    if (d.SituacaoEspecial) {
      if (!linha.Item(7).isEmpty()) {
        const QDate data = ValoresImportacao::Data(linha.Item(7));
        for (auto [proc, pos] : {std::pair{m_proc1.get(), m_posicaoDeclaracao[kDataEvento]},
                                 std::pair{m_proc2.get(), m_posicaoIndice[kDataEvento]}})
          if (pos >= 0) proc->defineData(pos, data);
      }
      Texto(kInEncerra, u"1");
      Inteiro(kTipoEvento, linha.Item(8).isEmpty() ? 0 : linha.Item(8).toInt());
    } else {
      Texto(kInEncerra, u"0");
    }
    UmZero(kInServicoNotarial, d.IndServicosNotariais);
    Texto(kRespNoCnpj, u"");
    Texto(kInOstensivo, u"N");
    Inteiro(kInAdvogado, 0);
    Inteiro(kInAdmFc, 0);
    Inteiro(kInCopa, 0);
  } else {
    Inteiro(kInNatureza, linha.Item(3).toInt());
    Texto(kRespNoCnpj, ValoresImportacao::Base(linha.Item(4), true));
    SimNao(kInOstensivo, d.IndSocioOstensivo);
    UmZero(kInAdvogado, d.IndProcesso);
    UmZero(kInAdmFc, d.IndFundo);
    UmZero(kInCopa, d.IndCopa);
    if (d.SituacaoEspecial) {
      for (auto [proc, pos] : {std::pair{m_proc1.get(), m_posicaoDeclaracao[kDataEvento]},
                               std::pair{m_proc2.get(), m_posicaoIndice[kDataEvento]}})
        if (pos >= 0) proc->defineData(pos, d.DataEvento);
      Texto(kInEncerra, u"1");
    } else {
      Texto(kInEncerra, u"0");
    }
    Inteiro(kInServicoNotarial, 0);
    Inteiro(kTipoEvento, 0);
    Texto(kScp, d.IndSocioOstensivo ? u"V" : u"F");
  }
  Texto(kArquivo, d.ArquivoBanco);
}

void TRegistroTolv::Grava() {
  try {
    if (m_pendenteIndice && m_dados.DeclaracaoExiste) {
      bd::Consulta chave(m_transacaoIndice, QStringLiteral("SELECT TOLV_DK from TOLVS WHERE IN_PF_PJ = :IN_PF_PJ\n"
                                                           "AND NR_PF_PJ = :NR_PF_PJ\n"
                                                           "AND AN_RETENCA = :AN_RETENCA"));
      for (Campo c : {kInPfPj, kNrPfPj, kAnRetenca})
        chave.param(QString::fromLatin1(kNomes[c]), m_proc2->textoEntrada(m_posicaoIndice[size_t(c)]));
      chave.abre();
      if (!chave.eof()) m_proc2->defineInteiro(m_posicaoIndice[kTolvDk], chave.campo(1).inteiro());
      chave.fecha();
    }
    m_proc1->executa();
    if (!m_pendenteIndice) {
      m_banco.ConfirmaRetendo();
      return;
    }
    m_proc2->executa();
    // Both or neither: the declaration's side is made ready to commit, the index commits, then the
    // declaration.
    m_banco.Transacao().prepara();
    m_transacaoIndice.commit();
    m_banco.Transacao().commit();
    m_pendenteIndice = false;
  } catch (...) {
    try {
      if (m_transacaoIndice.ativa()) m_transacaoIndice.rollback();
    } catch (const bd::ErroBanco&) {
      // The failure that brought us here is the one the caller hears of.
    }
    throw;
  }
}
