#include "validador/TAcoesContexto.h"

#include "nucleo/TAnexoFC.h"
#include "nucleo/TDeclaranteAnexo.h"
#include "nucleo/TTolv.h"
#include "nucleo/TTolvItem.h"
#include "validador/ISondasBanco.h"
#include "validador/TArquivoDados.h"
#include "validador/TRegistro.h"

using enum TTipoRegistro;

namespace {
bool EhS(const QString& valor) { return valor.size() == 1 && valor[0].toUpper() == u'S'; }
}  // namespace

TAcoesContexto::TAcoesContexto(TArquivoDados& dados, ISondasBanco* sondas) : m_dados(dados), m_sondas(sondas) {}

void TAcoesContexto::AtualizaContexto(TRegistro& r) {
  TArquivoDados& d = m_dados;
  switch (r.GetTipo()) {
    case DECPF:
    case DECPJ:
      AtualizaContextoDeclarante(r);
      break;
    case IDREC:
      AtualizaContextoIDREC(r);
      break;
    case BPFDEC:
    case BPJDEC: {
      // Rewritten in place: one per beneficiary line of a large file.
      QString& chave = d.UltimoBeneficiarioDeclarante;
      const bool pj = r.GetTipo() == BPJDEC;
      chave.resize(0);
      chave += pj ? QStringLiteral("J") : QStringLiteral("F000");
      chave += r.Valor(1);
      d.BeneficiarioPJ = pj;
      break;
    }
    case FCI:
      AtualizaContextoFCI(r);
      break;
    case BPFFCI:
    case BPJFCI:
      d.UltimoBeneficiarioFundo = r.Valor(0) + r.Valor(1);
      d.BeneficiarioPJ = r.GetTipo() == BPJFCI;
      break;
    case PROC:
      AtualizaContextoPROC(r);
      break;
    case BPFPROC:
    case BPJPROC:
      d.UltimoBeneficiarioProcesso = r.Valor(0) + r.Valor(1);
      d.BeneficiarioPJ = r.GetTipo() == BPJPROC;
      break;
    case RRA:
      AtualizaContextoRRA(r);
      break;
    case BPFRRA:
      d.UltimoBeneficiarioRra = r.Valor(0) + r.Valor(1) + r.Valor(3);
      break;
    case OPSE:
      AtualizaContextoOPSE(r);
      break;
    case TPSE:
      AtualizaContextoTPSE(r);
      break;
    case DTPSE:
      AtualizaContextoDTPSE(r);
      break;
    case BRPDE:
      AtualizaContextoBRPDE(r);
      break;
    case VRPDE:
      d.UltimoValorRemessa = r.Valor(1) + r.Valor(2);
      break;
    case INF:
      d.InfEncontrado = true;
      break;
    default:
      break;
  }
}

void TAcoesContexto::AtualizaContextoDeclarante(TRegistro& r) {
  TArquivoDados& d = m_dados;
  d.DeclaranteLido = true;
  TTolv& tolv = d.NovaDeclaracao();
  tolv.Limpar();
  const bool pessoa = r.GetTipo() == DECPF;
  tolv.GetContribuinte().SetTipo(pessoa ? 1 : 2);
  tolv.GetContribuinte().SetNiComErro(d.NiDeclarante);
  tolv.SetEstadoImportacao(2);
  tolv.GetContribuinte().GetNome().SetOpcional(true);
  tolv.SetCodigoNatureza(d.NaturezaDeclarante);
  d.SetAnexoAtual(std::make_unique<TAnexoFC>(tolv));
  d.SetItemAtual(std::make_unique<TTolvItem>(tolv, tolv));
  d.Nivel2 = d.Nivel3 = TArquivoDados::kNenhum;
  if (!pessoa) {
    if (EhS(r.Valor(7))) tolv.SetInAdmFC(1);
    if (EhS(r.Valor(10))) tolv.SetInCopa(1);
  }
}

void TAcoesContexto::AtualizaContextoIDREC(TRegistro&) {
  TArquivoDados& d = m_dados;
  d.UltimoBeneficiarioDeclarante.clear();
  d.UltimoBeneficiarioProcesso.clear();
  d.UltimoBeneficiarioFundo.clear();
  d.UltimoBeneficiarioRra.clear();
  d.Nivel3 = TArquivoDados::kNenhum;
}

void TAcoesContexto::AtualizaContextoFCI(TRegistro& r) {
  TArquivoDados& d = m_dados;
  d.FundoAtual = r.Valor(1);
  d.UltimoBeneficiarioFundo.clear();
  d.CodigoReceitaAtual.clear();
  d.Nivel2 = d.Nivel3 = TArquivoDados::kNenhum;
  d.SetItemAtual(nullptr);
  if (!d.AnexoAtual()) d.SetAnexoAtual(std::make_unique<TAnexoFC>(d.Tolv()));
  TAnexoFC& anexo = *d.AnexoAtual();
  anexo.LimpaAnexo();
  anexo.GetContribuinte().SetNiComErro(r.Valor(1).left(12));
  d.SetItemAtual(std::make_unique<TTolvItem>(d.Tolv(), anexo));
}

void TAcoesContexto::AtualizaContextoPROC(TRegistro& r) {
  TArquivoDados& d = m_dados;
  d.UltimoProcesso = r.Valor(1) + r.Valor(2);
  d.UltimoBeneficiarioProcesso.clear();
  d.CodigoReceitaAtual.clear();
  d.Nivel2 = d.Nivel3 = TArquivoDados::kNenhum;
  d.SetItemAtual(nullptr);
  if (!d.AnexoAtual()) d.SetAnexoAtual(std::make_unique<TAnexoFC>(d.Tolv()));
  TAnexoFC& anexo = *d.AnexoAtual();
  anexo.LimpaAnexo();
  const QString& justica = r.Valor(1);
  if (justica == u"1") anexo.SetTipoProcesso(0);
  if (justica == u"2") anexo.SetTipoProcesso(1);
  if (justica == u"3") anexo.SetTipoProcesso(2);
  anexo.GetContribuinte().SetTipo(3);
  anexo.GetContribuinte().SetNiComErro(r.Valor(2));
  d.SetItemAtual(std::make_unique<TTolvItem>(d.Tolv(), anexo));
}

void TAcoesContexto::AtualizaContextoRRA(TRegistro& r) {
  TArquivoDados& d = m_dados;
  d.UltimoRra = r.Valor(1) + r.Valor(2);
  d.Rra.tipo = r.Valor(1) == u"1" ? 1 : 2;
  d.Rra.processo = r.Valor(2);
  d.Rra.niAdvogado = r.Valor(4);
  d.Nivel2 = d.Nivel3 = TArquivoDados::kNenhum;
}

void TAcoesContexto::AtualizaContextoOPSE(TRegistro& r) {
  TArquivoDados& d = m_dados;
  d.UltimaOperadora = r.Valor(1);
  d.UltimoTitular.clear();
  d.UltimoDependente.clear();
  if (d.DeclaracaoExiste) VerificaOperadoraExistente(r);
}

void TAcoesContexto::AtualizaContextoTPSE(TRegistro& r) {
  VerificaTitularExistente(r);
  if (!r.Valido()) return;
  TArquivoDados& d = m_dados;
  d.UltimoTitular = r.Valor(1);
  d.UltimoDependente.clear();
  ++d.Contagem.TitularesAdicionados;
}

void TAcoesContexto::AtualizaContextoDTPSE(TRegistro& r) {
  m_dados.UltimoDependente =
      r.Valor(1).isEmpty() ? QStringLiteral("00000000000") + r.Valor(2) : r.Valor(1) + r.Valor(2);
}

void TAcoesContexto::AtualizaContextoBRPDE(TRegistro& r) {
  TArquivoDados& d = m_dados;
  if (d.DeclaracaoExiste) {
    VerificaRemessaExistente(r);
    if (!r.Valido()) return;
  }
  d.UltimoValorRemessa.clear();
  const QString pais = r.Valor(2).size() == 2 ? u'0' + r.Valor(2) : r.Valor(2);
  d.UltimaRemessa = r.Valor(1) + pais + r.Valor(3);
  d.UltimaRemessaSemNif = r.Valor(1) + pais;
}

void TAcoesContexto::VerificaOperadoraExistente(TRegistro& r) {
  m_idOperadora = m_sondas ? m_sondas->ExisteOperadora(r.Valor(1).left(12)) : 0;
}

void TAcoesContexto::VerificaTitularExistente(TRegistro& r) {
  TArquivoDados& d = m_dados;
  d.TitularExiste = false;
  if (m_idOperadora == 0 || !m_sondas) return;
  m_idTitular = m_sondas->ExisteTitular(m_idOperadora, r.Valor(1).left(9));
  d.TitularExiste = m_idTitular != 0;
  r.ExecutaRegra(QStringLiteral("ER_JaExisteTitular"));
}

void TAcoesContexto::VerificaRemessaExistente(TRegistro& r) {
  TArquivoDados& d = m_dados;
  d.RemessaExiste = false;
  if (!m_sondas) return;
  m_idRemessaExistente = m_sondas->BuscaRemessa(r.Valor(1), r.Valor(3), r.Valor(2).toInt());
  d.RemessaExiste = m_idRemessaExistente != 0;
  r.SetValorLog(r.Valor(3));
  r.SetTextoCampo(QStringLiteral(" Campo: 4"));
  r.ExecutaRegra(QStringLiteral("ER_ExisteRemessa"));
}
