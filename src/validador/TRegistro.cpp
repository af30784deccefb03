#include "validador/TRegistro.h"

#include <initializer_list>

#include "nucleo/Cnpj.h"
#include "nucleo/Erros.h"
#include "nucleo/Ni.h"
#include "nucleo/NiContribuinte.h"
#include "nucleo/TAnexoFC.h"
#include "nucleo/TCodigoRetencao.h"
#include "nucleo/TTolv.h"
#include "nucleo/TTolvItem.h"
#include "validador/TArquivoDados.h"
#include "validador/TLinha.h"
#include "validador/TRegrasAnalisador.h"
#include "validador/ValorArquivo.h"

using enum TTipoRegistro;

namespace {

const QString kRegistroX = QStringLiteral(" Registro: XXXXX");
const QString kCampoX = QStringLiteral(" Campo: XXXXX");
const QString kCampo2 = QStringLiteral(" Campo: 2");
const QString kVazio;

bool Em(int valor, std::initializer_list<TTipoRegistro> tipos) {
  for (TTipoRegistro t : tipos)
    if (Ordinal(t) == valor) return true;
  return false;
}

bool Entre(const QString& valor, std::initializer_list<const char16_t*> opcoes) {
  for (const char16_t* o : opcoes)
    if (valor == QStringView(o)) return true;
  return false;
}

bool EhS(const QString& valor) { return valor.size() == 1 && valor[0].toUpper() == u'S'; }

const TCodigoRetencao& CodigoVazio() {
  static const TCodigoRetencao codigo;
  return codigo;
}

}  // namespace

TRegistro::TRegistro(TArquivoDados& dados, TTFlagCampo& flags) : TRegistro(dados, flags, Tabela()) {}

TRegistro::TRegistro(TArquivoDados& dados, TTFlagCampo& flags, const TabelaRegras& tabela)
    : TPrimitivo(dados, tabela), m_flags(&flags) {
  for (const char* nome : {"ER_NumerodeCamposRegistro", "ER_FaseInf", "ER_RegistroAnterior", "ER_RegistroPai",
                           "ER_Fases", "ER_CodigoReceitaExisteAno", "ER_CodigoReceita"})
    RegistraRegra(QString::fromLatin1(nome));
  SetTipo(TTipoRegistro::RTOLV);
}

const TabelaRegras& TRegistro::Tabela() {
  using T = TRegistro;
  static const TabelaRegras tabela(
      "TRegistro", &TPrimitivo::Tabela(),
      {{"ER_NumerodeCamposRegistro", &RegraDe<T, &T::ER_NumerodeCamposRegistro>},
       {"ER_FaseInf", &RegraDe<T, &T::ER_FaseInf>},
       {"ER_RegistroAnterior", &RegraDe<T, &T::ER_RegistroAnterior>},
       {"ER_RegistroPai", &RegraDe<T, &T::ER_RegistroPai>},
       {"ER_Fases", &RegraDe<T, &T::ER_Fases>},
       {"ER_CodigoReceitaExisteAno", &RegraDe<T, &T::ER_CodigoReceitaExisteAno>},
       {"ER_CodigoReceita", &RegraDe<T, &T::ER_CodigoReceita>},
       {"RN_Registro_Unico", &RegraDe<T, &T::RN_Registro_Unico>},
       {"RN_Registro_Unico_Por_Pai", &RegraDe<T, &T::RN_Registro_Unico_Por_Pai>},
       {"RN_Tipo_Evento_Valido", &RegraDe<T, &T::RN_Tipo_Evento_Valido>},
       {"RN_Socio_ostensivo_valido", &RegraDe<T, &T::RN_Socio_ostensivo_valido>},
       {"RN_Natureza_de_Declarante_de_Depositario_de_Credito_Valida",
        &RegraDe<T, &T::RN_Natureza_de_Declarante_de_Depositario_de_Credito_Valida>},
       {"RN_Natureza_de_Declarante_de_Fundo_ou_Clube_de_Investimento_Valida",
        &RegraDe<T, &T::RN_Natureza_de_Declarante_de_Fundo_ou_Clube_de_Investimento_Valida>},
       {"RN_Pagamento_a_nao_Residentes_ou_Domiciliados_no_Exterior_Valido",
        &RegraDe<T, &T::RN_Pagamento_a_nao_Residentes_ou_Domiciliados_no_Exterior_Valido>},
       {"RN_Declaracao_Extincao_Valido", &RegraDe<T, &T::RN_Declaracao_Extincao_Valido>},
       {"ER_TamanhoNomeAdvogado", &RegraDe<T, &T::ER_TamanhoNomeAdvogado>},
       {"ER_OrdemCodRet", &RegraDe<T, &T::ER_OrdemCodRet>},
       {"ER_MemoriaRegistro", &RegraDe<T, &T::ER_MemoriaRegistro>},
       {"RN_Beneficiario_Pessoa_Fisica_Valido", &RegraDe<T, &T::RN_Beneficiario_Pessoa_Fisica_Valido>},
       {"RN_Beneficiario_Pessoa_Juridica_Valido", &RegraDe<T, &T::RN_Beneficiario_Pessoa_Juridica_Valido>},
       {"ER_CodretPF", &RegraDe<T, &T::ER_CodretPF>},
       {"ER_CodretPJ", &RegraDe<T, &T::ER_CodretPJ>},
       {"ER_OrdemBenefDec", &RegraDe<T, &T::ER_OrdemBenefDec>},
       {"RN_Fundo_ou_clube_de_investimento_valido", &RegraDe<T, &T::RN_Fundo_ou_clube_de_investimento_valido>},
       {"RN_FCI_Diferente_Declarante", &RegraDe<T, &T::RN_FCI_Diferente_Declarante>},
       {"ER_OrdemFCI", &RegraDe<T, &T::ER_OrdemFCI>},
       {"ER_OrdemBenefFci", &RegraDe<T, &T::ER_OrdemBenefFci>},
       {"RN_Beneficiario_FCI_Diferente_FC", &RegraDe<T, &T::RN_Beneficiario_FCI_Diferente_FC>},
       {"ER_OrdemProc", &RegraDe<T, &T::ER_OrdemProc>},
       {"ER_OrdemBenefProc", &RegraDe<T, &T::ER_OrdemBenefProc>},
       {"ER_TamanhoNiAdvogado", &RegraDe<T, &T::ER_TamanhoNiAdvogado>},
       {"ER_CodretValores", &RegraDe<T, &T::ER_CodretValores>},
       {"ER_CodretValores13", &RegraDe<T, &T::ER_CodretValores13>},
       {"ER_ValoresNaoNulosMensais", &RegraDe<T, &T::ER_ValoresNaoNulosMensais>},
       {"RN_Beneficiario_Juridico_13_Valido", &RegraDe<T, &T::RN_Beneficiario_Juridico_13_Valido>},
       {"RN_Valor_apos_encerramento", &RegraDe<T, &T::RN_Valor_apos_encerramento>},
       {"RN_Declarante_PJ", &RegraDe<T, &T::RN_Declarante_PJ>},
       {"ER_Declarante_flag_fc", &RegraDe<T, &T::ER_Declarante_flag_fc>},
       {"ER_Declarante_flag_processo", &RegraDe<T, &T::ER_Declarante_flag_processo>},
       {"ER_Declarante_flag_pse", &RegraDe<T, &T::ER_Declarante_flag_pse>},
       {"ER_Declarante_flag_nao_Residentes", &RegraDe<T, &T::ER_Declarante_flag_nao_Residentes>},
       {"ER_OrdemOPSE", &RegraDe<T, &T::ER_OrdemOPSE>},
       {"ER_OrdemTPSE", &RegraDe<T, &T::ER_OrdemTPSE>},
       {"ER_OrdemDTPSE", &RegraDe<T, &T::ER_OrdemDTPSE>},
       {"RN_CPF_nao_informado_dependente", &RegraDe<T, &T::RN_CPF_nao_informado_dependente>},
       {"ER_OrdemRemessa", &RegraDe<T, &T::ER_OrdemRemessa>},
       {"ER_OrdemValorRemessa", &RegraDe<T, &T::ER_OrdemValorRemessa>},
       {"RN_Forma_de_tributacao_valido", &RegraDe<T, &T::RN_Forma_de_tributacao_valido>},
       {"RN_Registro_INF_Valido", &RegraDe<T, &T::RN_Registro_INF_Valido>},
       {"RN_Ordem_benificiario_INF_valida", &RegraDe<T, &T::RN_Ordem_benificiario_INF_valida>},
       {"RN_Benificiario_INF_nao_duplicado", &RegraDe<T, &T::RN_Benificiario_INF_nao_duplicado>},
       {"RN_FIMTOLV", &RegraDe<T, &T::RN_FIMTOLV>},
       {"ER_JaExisteTitular", &RegraDe<T, &T::ER_JaExisteTitular>}});
  return tabela;
}

void TRegistro::SetTipo(TTipoRegistro tipo) {
  m_tipo = tipo;
  m_textoRegistroTipo = QStringLiteral(" Registro: ") + TRegrasAnalisador::NomeTipo(tipo).toString();
  // Base rules that hold for every record of this type, whatever the line: they need not run.
  if (m_regras.size() >= 7) {
    m_regras[2].sempreVale = Em(Ordinal(tipo), {RTOLV, RESPO, DECPF, DECPJ, RRA, PSE, RPDE, INF, FIMTOLV});
    m_regras[3].sempreVale = !(tipo == IDREC || EhBeneficiario(tipo) || EhTipoValor(tipo) ||
                               Em(Ordinal(tipo), {OPSE, TPSE, DTPSE, BRPDE, VRPDE}));
    m_regras[4].sempreVale = !(Em(Ordinal(tipo), {DECPF, DECPJ, FCI, PROC, PSE, RPDE, OPSE, TPSE, DTPSE, BRPDE, VRPDE}) ||
                               EhBeneficiario(tipo));
    m_regras[5].sempreVale = tipo != IDREC;
    m_regras[6].sempreVale = tipo != IDREC;
  }
}

void TRegistro::DimensionaCampos() { m_campos.resize(m_numeroCampos); }

void TRegistro::SetCampo(int posicao, std::unique_ptr<TCampo> campo) {
  if (posicao >= int(m_campos.size())) m_campos.resize(size_t(posicao) + 1);
  campo->SetPosicao(posicao + 1);
  m_campos[size_t(posicao)] = std::move(campo);
}

const QString& TRegistro::Valor(int posicao) const {
  if (posicao < 0 || posicao >= int(m_campos.size()) || !m_campos[size_t(posicao)]) return kVazio;
  return m_campos[size_t(posicao)]->GetValor();
}

void TRegistro::Valida() {
  m_flags->LimpaCampos();
  bool camposValidos = true;
  const bool contagemCerta = m_linha && m_linha->GetNumeroCampos() + 1 == m_numeroCampos;
  if (contagemCerta && int(m_campos.size()) == m_numeroCampos) {
    if (!m_textoRegistro.isSharedWith(m_textoRegistroTipo)) m_textoRegistro = m_textoRegistroTipo;
    if (!m_textoCampo.isSharedWith(kCampoX)) m_textoCampo = kCampoX;
    // Each field takes its item and is tested at once; the fields after one that fails the record
    // keep their last values, which nothing reads.
    for (int i = 0; i < int(m_campos.size()); ++i) {
      TCampo& campo = *m_campos[size_t(i)];
      campo.DefineValor(m_linha->Campo(i), i == 0);
      if (!campo.GetTextoRegistro().isSharedWith(m_textoRegistroTipo)) campo.SetTextoRegistro(m_textoRegistroTipo);
      campo.Valida();
      if (campo.Valido()) continue;
      if (campo.SeAviso()) {
        m_flags->AdicionaCampo(i);
        continue;
      }
      camposValidos = false;
      break;
    }
  }
  // With the right count the first base rule holds and leaves nothing behind: it need not run.
  if (camposValidos)
    ExecutaRegras(contagemCerta ? 1 : 0);
  else
    m_valido = false;
  if (!m_valido) {
    m_textoRegistro = kRegistroX;
    m_textoCampo = kCampoX;
  }
}

const TCodigoRetencao& TRegistro::Codigo() const {
  const TTolvItem* item = m_dados->ItemAtual();
  return item ? item->GetCodigoRetencao() : CodigoVazio();
}

bool TRegistro::DeclarantePessoa() const { return m_dados->TipoDeclarante == 1; }

QString TRegistro::NiDeclaranteFormatado() const { return TNiContribuinte::FormataNi(m_dados->NiDeclarante); }

TTolvItem& TRegistro::PreparaItemCodigo() {
  if (!m_dados->ItemAtual())
    m_dados->SetItemAtual(std::make_unique<TTolvItem>(m_dados->Tolv(), m_dados->Tolv()));
  TTolvItem& item = *m_dados->ItemAtual();
  item.GetCodigoRetencao().SetCodigo(Valor(1));
  item.GetCodigoRetencao().SetAno(m_dados->AnoCalendario);
  try {
    m_dados->Tolv().SetAnoCalendario(m_dados->AnoCalendario);
  } catch (const TErro&) {
    // A year the declaration refuses leaves the one it had; the code checks then tell.
  }
  return item;
}

// Base rules.

bool TRegistro::ER_NumerodeCamposRegistro() {
  if (m_linha && m_linha->GetNumeroCampos() + 1 == m_numeroCampos) return true;
  const QString identificador = m_linha ? m_linha->Campo(0).left(16).toString().toUpper() : QString();
  m_textoRegistro = QStringLiteral(" Registro: ") + identificador;
  m_textoCampo = kCampoX;
  return false;
}

bool TRegistro::ER_FaseInf() {
  if (!m_dados->InfEncontrado || m_tipo == FIMTOLV || m_tipo == INF) return true;
  m_dados->MarcaFalha();
  return false;
}

bool TRegistro::ER_RegistroAnterior() {
  const TArquivoDados& d = *m_dados;
  auto falha = [this](const char* argumento) {
    SetArgumentos(QString::fromLatin1(argumento));
    return false;
  };
  switch (m_tipo) {
    case IDREC:
      return Em(d.Nivel1, {DECPF, DECPJ, FCI, PROC, RRA}) || falha("DECPF, DECPJ, FCI, PROC, RRA");
    case BPFDEC:
    case BPFPROC:
    case BPFRRA:
      m_dados->Analisador().SetBeneficiarioPFVisto(true);
      return d.Nivel2 == Ordinal(IDREC) || falha("IDREC");
    case BPJDEC:
    case BPFFCI:
    case BPJFCI:
    case BPJPROC:
      return d.Nivel2 == Ordinal(IDREC) || falha("IDREC");
    case FCI:
    case PROC:
      return d.Nivel1 != Ordinal(DECPF) || falha("DECPJ");
    case RTRT: case RTPO: case RTPA: case RTIRF: case DAJUD: case QTMESES:
      return Em(d.Nivel3, {BPFDEC, BPJDEC, BPFFCI, BPJFCI, BPFPROC, BPJPROC, BPFRRA}) ||
             falha("BPFDEC, BPJDEC, BPFFCI, BPJFCI, BPFPROC, BPJPROC, BPFRRA");
    case RTPP: case RTDP: case CJAA: case CJAC: case ESRT: case ESPO: case ESPP: case ESDP: case ESPA:
    case ESIR: case ESDJ: case RIP65: case RIBMR: case RIDAC: case RIIRP: case RIAP: case RIVC:
      return Em(d.Nivel3, {BPFDEC, BPJDEC, BPFFCI, BPJFCI, BPFPROC, BPJPROC}) ||
             falha("BPFDEC, BPJDEC, BPFFCI, BPJFCI, BPFPROC, BPJPROC");
    case RIMOG:
      return Em(d.Nivel3, {BPFDEC, BPFFCI, BPFPROC, BPFRRA}) || falha("BPFDEC, BPFFCI, BPFPROC, BPFRRA");
    default:
      break;
  }
  // These keep their argument whatever the outcome: later rules of the record show it.
  switch (m_tipo) {
    case RIL96: case RIPTS: case RIO:
      SetArgumentos(QStringLiteral("BPFDEC, BPFFCI"));
      return Em(d.Nivel3, {BPFDEC, BPFFCI});
    case OPSE:
      SetArgumentos(QStringLiteral("PSE"));
      return d.Nivel1 == Ordinal(PSE);
    case TPSE:
      SetArgumentos(QStringLiteral("OPSE"));
      return d.Nivel2 == Ordinal(OPSE);
    case DTPSE:
      SetArgumentos(QStringLiteral("TPSE"));
      return d.Nivel3 == Ordinal(TPSE);
    case BRPDE:
      SetArgumentos(QStringLiteral("RPDE"));
      return d.Nivel2 == Ordinal(RPDE);
    case VRPDE:
      SetArgumentos(QStringLiteral("BRPDE"));
      return d.Nivel3 == Ordinal(BRPDE);
    default:
      return true;
  }
}

bool TRegistro::ER_RegistroPai() { return RegistroPai(false); }

bool TRegistro::RegistroPai(bool semBolsaECopa) {
  const TRegrasAnalisador& a = m_dados->Analisador();
  const TTipoRegistro cabeca = a.BlocoCabeca();
  bool vale = true;
  if (m_tipo == IDREC) {
    vale = a.Aceito(cabeca);
  } else if (EhBeneficiario(m_tipo)) {
    vale = a.Aceito(IDREC) && a.Aceito(cabeca);
  } else if (EhTipoValor(m_tipo)) {
    if (semBolsaECopa && (m_tipo == RIBMR || m_tipo == RIVC)) return true;
    switch (cabeca) {
      case RTOLV: vale = a.Aceito(RTOLV) && (a.Aceito(BPFDEC) || a.Aceito(BPJDEC)); break;
      case FCI: vale = a.Aceito(FCI) && (a.Aceito(BPFFCI) || a.Aceito(BPJFCI)); break;
      case PROC: vale = a.Aceito(PROC) && (a.Aceito(BPFPROC) || a.Aceito(BPJPROC)); break;
      case RRA: vale = a.Aceito(RRA) && a.Aceito(BPFRRA); break;
      case RPDE: vale = a.Aceito(RPDE) && a.Aceito(BRPDE); break;
      default: break;
    }
  } else {
    switch (m_tipo) {
      case OPSE: vale = a.Aceito(PSE) && a.Aceito(cabeca); break;
      case TPSE: vale = a.Aceito(OPSE) && a.Aceito(cabeca); break;
      case DTPSE: vale = a.Aceito(TPSE) && a.Aceito(cabeca); break;
      case BRPDE: vale = a.Aceito(RPDE) && a.Aceito(cabeca); break;
      case VRPDE: vale = a.Aceito(BRPDE) && a.Aceito(cabeca); break;
      default: break;
    }
  }
  if (!vale) SetArgumentos(QString::number(m_dados->LinhaReinicio));
  return vale;
}

bool TRegistro::ER_Fases() {
  const TArquivoDados& d = *m_dados;
  bool vale = true;
  const char* bloco = nullptr;
  switch (m_tipo) {
    case DECPF: case DECPJ: vale = !d.DeclaranteLido; bloco = "Declarante"; break;
    case BPFDEC: case BPJDEC: vale = d.BlocoAtual == TArquivoDados::kBlocoDeclarante; bloco = "Beneficiário de Declarante"; break;
    case FCI: vale = d.PrimeiroFci; bloco = "Fundo ou Clube"; break;
    case BPFFCI: case BPJFCI: vale = d.BlocoAtual == TArquivoDados::kBlocoFci; bloco = "beneficiário de Fundo ou Clube"; break;
    case PROC: vale = d.PrimeiroProc; bloco = "Processo"; break;
    case BPFPROC: case BPJPROC: vale = d.BlocoAtual == TArquivoDados::kBlocoProc; bloco = "beneficiário de Processo"; break;
    case BPFRRA: vale = d.BlocoAtual == TArquivoDados::kBlocoRra; bloco = "beneficiário de RRA"; break;
    case PSE: vale = d.PrimeiroPse; bloco = "Plano Privado de Assistência a Saúde"; break;
    case OPSE: case TPSE: case DTPSE:
      vale = d.BlocoAtual == TArquivoDados::kBlocoPse;
      bloco = "operadora, titular e dependente de Plano Privado de Assistência a Saúde";
      break;
    case RPDE: vale = d.PrimeiroRpde; bloco = "Remessa ao Exterior"; break;
    case BRPDE: case VRPDE:
      vale = d.BlocoAtual == TArquivoDados::kBlocoRpde;
      bloco = "beneficiário e valores de Remessa ao Exeterior";
      break;
    default: break;
  }
  if (!vale) SetArgumentos(QString::fromUtf8(bloco));
  return vale;
}

bool TRegistro::ER_CodigoReceitaExisteAno() {
  if (m_tipo != IDREC) return true;
  TTolvItem& item = PreparaItemCodigo();
  if (item.ValidaCodigoAno() == 0) return true;
  SetValorLog(Valor(1));
  m_textoCampo = kCampo2;
  SetArgumentos(Valor(1));
  return false;
}

bool TRegistro::ER_CodigoReceita() {
  if (m_tipo != IDREC) return true;
  TArquivoDados& d = *m_dados;
  QString argumento;
  bool vale = true;
  switch (d.BlocoAtual) {
    case TArquivoDados::kBlocoDeclarante: {
      TTolvItem& item = PreparaItemCodigo();
      item.SetIndicadorAnexo(QStringLiteral("0"));
      item.SetLinhaProcesso(0);
      item.GetCodigoRetencao().SetAnexo(QStringLiteral("0"));
      vale = item.ValidaCodigoRetencao() == 0;
      argumento = QStringLiteral("beneficiários do declarante");
      break;
    }
    case TArquivoDados::kBlocoProc:
    case TArquivoDados::kBlocoFci: {
      const bool processo = d.BlocoAtual == TArquivoDados::kBlocoProc;
      TTolvItem& item = PreparaItemCodigo();
      item.SetIndicadorAnexo(QStringLiteral("1"));
      item.SetLinhaProcesso(processo ? 1 : 0);
      d.Tolv().SetTipoAnexo(processo ? TAnexoFC::kProcesso : TAnexoFC::kFundo);
      item.GetCodigoRetencao().SetAnexo(processo ? QStringLiteral("2") : QStringLiteral("1"));
      vale = item.ValidaCodigoRetencao() == 0;
      argumento = processo ? QStringLiteral("justiça do trabalho/federal/estadual e do Distrito Federal")
                           : QStringLiteral("fundo ou clube de investimentos");
      break;
    }
    case TArquivoDados::kBlocoRra:
      vale = Valor(1) == u"1889";
      argumento = QStringLiteral("rendimentos recebidos acumuladamente");
      break;
    default:
      break;
  }
  if (vale) return true;
  SetValorLog(Valor(1));
  m_textoCampo = kCampo2;
  SetArgumentos(argumento);
  return false;
}

// Record rules.

bool TRegistro::RN_Registro_Unico() {
  if (!m_unico) return true;
  int64_t& linha = m_dados->Analisador().LinhaUnico(m_tipo);
  const int64_t atual = m_dados->LinhaAtual();
  if (linha == 0) linha = atual;
  if (linha == atual) return true;
  SetValorLog(QStringLiteral(" Linha ") + QString::number(linha));
  m_textoCampo = QStringLiteral(" Campo: 1");
  return false;
}

bool TRegistro::RN_Registro_Unico_Por_Pai() {
  int64_t& linha = m_dados->Analisador().LinhaUnicoPorPai(m_tipo);
  const int64_t atual = m_dados->LinhaAtual();
  if (linha == 0) linha = atual;
  if (linha == atual) return true;
  SetValorLog(QStringLiteral(" Linha ") + QString::number(linha));
  m_textoCampo = QStringLiteral(" Campo: 1");
  return false;
}

bool TRegistro::RN_Tipo_Evento_Valido() { return !EhS(Valor(6)) || Valor(8) == u"1" || Valor(8) == u"2"; }

bool TRegistro::RN_Socio_ostensivo_valido() {
  if (!(EhS(Valor(5)) && !Entre(Valor(3), {u"0", u"8"}))) return true;
  SetValorLog(Valor(5));
  m_textoCampo = QStringLiteral(" Campo: 6");
  return false;
}

bool TRegistro::RN_Natureza_de_Declarante_de_Depositario_de_Credito_Valida() {
  if (!EhS(Valor(6)) || Entre(Valor(3), {u"0", u"3", u"4", u"8"})) return true;
  SetValorLog(Valor(6));
  m_textoCampo = QStringLiteral(" Campo: 7");
  return false;
}

bool TRegistro::RN_Natureza_de_Declarante_de_Fundo_ou_Clube_de_Investimento_Valida() {
  if (!EhS(Valor(7)) || Entre(Valor(3), {u"0", u"3", u"4", u"8"})) return true;
  SetValorLog(Valor(7));
  m_textoCampo = QStringLiteral(" Campo: 8");
  return false;
}

bool TRegistro::RN_Pagamento_a_nao_Residentes_ou_Domiciliados_no_Exterior_Valido() {
  return !EhS(Valor(8)) || Entre(Valor(3), {u"0", u"1", u"2", u"3", u"4", u"8"});
}

bool TRegistro::RN_Voluntario_Copa_Valido() {
  if (!(EhS(Valor(10)) && !Entre(Valor(3), {u"0", u"8"}))) return true;
  SetValorLog(Valor(10));
  m_textoCampo = QStringLiteral(" Campo:11");
  return false;
}

bool TRegistro::RN_Data_Declaracao_situacao_especial_valida() {
  if (m_tipo == DECPJ) {
    if (!(Valor(11) == u"N" && !Valor(12).isEmpty())) return true;
    SetValorLog(Valor(12));
    m_textoCampo = QStringLiteral(" Campo:13");
    return false;
  }
  if (m_tipo == DECPF) {
    // A person's record has its own event date in field 7; it is that date the finding shows.
    if (!(Valor(6) == u"N" && !Valor(7).isEmpty())) return true;
    SetValorLog(Valor(7));
    m_textoCampo = QStringLiteral(" Campo: 8");
    return false;
  }
  return true;
}

bool TRegistro::RN_Declaracao_Extincao_Valido() { return true; }

bool TRegistro::ER_TamanhoNomeAdvogado() { return true; }

bool TRegistro::ER_OrdemCodRet() {
  if (m_dados->BlocoAtual == TArquivoDados::kBlocoRra || Valor(1) > m_dados->CodigoReceitaAtual) return true;
  SetArgumentos(Valor(1));
  return false;
}

bool TRegistro::ER_MemoriaRegistro() {
  if (m_dados->UltimoIdentificador != u"IDREC") return true;
  SetArgumentos(m_dados->CodigoReceitaAtual);
  return false;
}

bool TRegistro::RN_Beneficiario_Pessoa_Fisica_Valido() {
  if (!DeclarantePessoa() || Valor(1) != m_dados->NiDeclarante) return true;
  SetArgumentos(NiDeclaranteFormatado());
  return false;
}

bool TRegistro::RN_Beneficiario_Pessoa_Juridica_Valido() {
  const QString& codigo = Codigo().GetCodigo();
  if (codigo == u"1708" || codigo == u"3426" || m_dados->IndSocioOstensivo || m_dados->TipoDeclarante != 2 ||
      Valor(1) != m_dados->NiDeclarante)
    return true;
  SetValorLog(NiDeclaranteFormatado());
  SetArgumentos(NiDeclaranteFormatado());
  m_textoCampo = kCampo2;
  return false;
}

bool TRegistro::ER_CodretPF() {
  if (Codigo().GetPfPjAmbos() != u"J") return true;
  SetValorLog(Codigo().GetCodigo());
  m_textoCampo = kCampo2;
  return false;
}

bool TRegistro::ER_CodretPJ() {
  if (Codigo().GetPfPjAmbos() != u"F") return true;
  SetValorLog(Codigo().GetCodigo());
  m_textoCampo = kCampo2;
  return false;
}

bool TRegistro::ER_OrdemBenefDec() {
  const QString& ni = Valor(1);
  // Built in a buffer of the record's own: one per beneficiary line of a large file.
  QString& chave = m_chave;
  chave.resize(0);
  chave += ni.size() == 11 ? u'F' : u'J';
  for (qsizetype i = ni.size(); i < 14; ++i) chave += u'0';
  chave += ni;
  const QString& ultima = m_dados->UltimoBeneficiarioDeclarante;
  if (chave > ultima) return true;
  SetMensagemRegra(chave == ultima ? QStringLiteral("Registro duplicado para o beneficiário do declarante")
                                   : QStringLiteral("Registro fora de ordem para beneficiário do declarante"));
  return false;
}

bool TRegistro::RN_Fundo_ou_clube_de_investimento_valido() {
  return TCnpj::ValidaCnpj(Valor(1), true, false) == 0 && TNi::OrdemCnpj(Valor(1), false) == u"0001";
}

bool TRegistro::RN_FCI_Diferente_Declarante() { return Valor(1) != m_dados->NiDeclarante; }

bool TRegistro::ER_OrdemFCI() {
  if (Valor(1) > m_dados->FundoAtual) return true;
  SetArgumentos(Valor(1));
  return false;
}

bool TRegistro::ER_OrdemBenefFci() {
  if (Valor(0) + Valor(1) > m_dados->UltimoBeneficiarioFundo) return true;
  SetArgumentos(Valor(1));
  return false;
}

bool TRegistro::RN_Beneficiario_FCI_Diferente_FC() {
  if (Valor(1) != m_dados->CnpjFundoAtual) return true;
  SetArgumentos(Valor(1));
  return false;
}

bool TRegistro::ER_OrdemProc() {
  if (Valor(1) + Valor(2) > m_dados->UltimoProcesso) return true;
  SetArgumentos(Valor(1) + u' ' + Valor(2));
  return false;
}

bool TRegistro::ER_OrdemBenefProc() {
  if (Valor(0) + Valor(1) > m_dados->UltimoBeneficiarioProcesso) return true;
  SetArgumentos(Valor(1));
  return false;
}

bool TRegistro::ER_TamanhoNiAdvogado() {
  return !(Valor(3) == u"1" && Valor(4).size() > 11) && !(Valor(3) == u"2" && Valor(4).size() >= 15);
}

bool TRegistro::ER_OrdemRra() {
  if (!(Valor(1) + Valor(2) < m_dados->UltimoRra)) return true;
  SetArgumentos(Valor(1) + u' ' + Valor(2));
  return false;
}

bool TRegistro::ER_OrdemBenefRra() {
  if (Valor(0) + Valor(1) + Valor(3) > m_dados->UltimoBeneficiarioRra) return true;
  SetArgumentos(Valor(1) + u' ' + Valor(3));
  return false;
}

bool TRegistro::RN_Valida_AdvogadoRRA_Declarante() {
  const bool pessoa = DeclarantePessoa() && Valor(3) == u"1" && Valor(4) == m_dados->NiDeclarante;
  const bool empresa = m_dados->TipoDeclarante == 2 && Valor(3) == u"2" && Valor(4) == m_dados->NiDeclarante;
  if (!pessoa && !empresa) return true;
  m_textoRegistro = QStringLiteral(" Registro: ") + Valor(0);
  m_textoCampo = QStringLiteral(" Campo:4");
  SetValorLog(Valor(4));
  SetArgumentos(DeclarantePessoa() ? QStringLiteral("CPF") : QStringLiteral("CNPJ"));
  return false;
}

bool TRegistro::RN_NumeroProcessoObrigatorio() {
  if (Valor(1) != u"2" || !Valor(2).trimmed().isEmpty()) return true;
  m_textoRegistro = QStringLiteral(" Registro: ") + Valor(0);
  m_textoCampo = QStringLiteral(" Campo:     2");
  SetValorLog(Valor(1));
  return false;
}

bool TRegistro::RN_JaExisteRra() {
  DadosRra item = m_dados->Rra;
  item.cpfBeneficiario = Valor(1);
  return !m_dados->Servicos().RraJaExiste(item);
}

bool TRegistro::ER_CodretValores() {
  if (m_dados->BlocoAtual == TArquivoDados::kBlocoRra) return true;
  const TCodigoRetencao& c = Codigo();
  const bool pf = !m_dados->BeneficiarioPJ;
  bool vale = true;
  switch (m_tipo) {
    case RTPO: vale = c.GetDeducaoPO() && pf; break;
    case RTPP: vale = c.GetDeducaoPP(); break;
    case RTDP: vale = c.GetDeducaoDP() && pf; break;
    case RTPA: vale = c.GetDeducaoPA() && pf; break;
    case CJAA: case CJAC: case ESRT: case ESIR: case ESDJ: vale = c.GetSubJudice() && pf; break;
    case ESPO: vale = c.GetDeducaoPO() && c.GetSubJudice() && pf; break;
    case ESPP: vale = c.GetDeducaoPP() && c.GetSubJudice() && pf; break;
    case ESDP: vale = c.GetDeducaoDP() && c.GetSubJudice() && pf; break;
    case ESPA: vale = c.GetDeducaoPA() && c.GetSubJudice() && pf; break;
    case RIP65: vale = c.GetIsentoRip65(); break;
    case RIBMR: vale = c.GetIsentoBolsa(); break;
    case RIDAC: vale = c.GetIsentoDac(); break;
    case RIIRP: vale = c.GetIsentoPdv(); break;
    case RIAP: vale = c.GetIsentoAp(); break;
    case RIVC: vale = c.GetIsentoCopa(); break;
    case RIMOG: vale = c.GetIsentoMolestia(); break;
    case RIL96: case RIPTS: vale = c.GetIsentoLucroTitular(); break;
    case RIO: vale = c.GetIsentoOutros(); break;
    default: break;
  }
  if (vale) return true;
  SetValorLog(c.GetCodigo());
  return false;
}

bool TRegistro::ER_CodretValores13() {
  if (Valor(13).isEmpty()) return true;
  const bool semDecimo = m_tipo == RIDAC || m_tipo == RIIRP || m_tipo == RIAP || m_tipo == RIVC;
  const bool rra = m_dados->BlocoAtual == TArquivoDados::kBlocoRra;
  if (Codigo().GetDecimoTerceiro() && !semDecimo && !rra) return true;
  const QString identificador = TRegrasAnalisador::NomeTipo(m_tipo).toString();
  if (rra)
    SetArgumentos(QStringLiteral("1889 registro ") + identificador);
  else if (semDecimo)
    SetArgumentos(Codigo().GetCodigo() + QStringLiteral(" registro ") + identificador);
  else
    SetArgumentos(Codigo().GetCodigo());
  return false;
}

bool TRegistro::ER_ValoresNaoNulosMensais() {
  // The line without its bars, trimmed, is more than the identifier: some value is given. A value
  // with any character beyond a blank settles it at once.
  if (m_linha) {
    for (int i = 1; i < m_linha->Itens().Quantidade(); ++i)
      for (QChar c : m_linha->Campo(i))
        if (c.unicode() > u' ') return true;
  }
  const QString& texto = m_linha ? m_linha->GetTexto() : kVazio;
  const QString& identificador = Valor(0);
  qsizetype inicio = 0, fim = texto.size();
  while (inicio < fim && (texto[inicio] == u'|' || texto[inicio].isSpace())) ++inicio;
  while (fim > inicio && (texto[fim - 1] == u'|' || texto[fim - 1].isSpace())) --fim;
  qsizetype j = 0;
  for (qsizetype i = inicio; i < fim; ++i) {
    if (texto[i] == u'|') continue;
    if (j >= identificador.size() || texto[i] != identificador[j]) return true;
    ++j;
  }
  return j != identificador.size();
}

bool TRegistro::RN_Beneficiario_Juridico_13_Valido() {
  if (!m_dados->BeneficiarioPJ) return true;
  const QString decimo = Valor(13).trimmed();
  if (decimo.isEmpty()) return true;
  const auto valor = ValorArquivo::DeCentavos(decimo);
  if (valor && valor->ehZero()) return true;
  SetValorLog(Valor(13));
  m_textoCampo = QStringLiteral(" Campo: 14");
  return false;
}

bool TRegistro::RN_Valor_apos_encerramento() {
  const int mesEvento = m_dados->MesEvento;
  if (mesEvento == TArquivoDados::kSemMesEvento) return true;
  if (m_tipo == VRPDE) {
    if (Valor(1).mid(4, 2).toInt() <= mesEvento) return true;
    SetValorLog(Valor(1));
    m_textoCampo = kCampo2;
    return false;
  }
  for (int mes = mesEvento + 1; mes <= 12 && mes < QuantidadeCampos(); ++mes) {
    if (Valor(mes).isEmpty()) continue;
    SetValorLog(Valor(mes));
    m_textoCampo = QStringLiteral(" Campo: ") + QString::number(mes + 1);
    return false;
  }
  return true;
}

bool TRegistro::RN_Declarante_PJ() { return !DeclarantePessoa(); }

bool TRegistro::ER_Bolsa_Medico_Valido() { return Codigo().GetIsentoBolsa(); }

bool TRegistro::ER_Declarante_flag_fc() { return m_dados->IndFundo; }

bool TRegistro::ER_Declarante_flag_processo() { return m_dados->IndProcesso; }

bool TRegistro::ER_Declarante_flag_pse() { return m_dados->IndPlanoSaude; }

bool TRegistro::ER_Declarante_flag_nao_Residentes() { return m_dados->IndExterior; }

bool TRegistro::ER_Declarante_flag_Copa() { return m_dados->IndCopa; }

bool TRegistro::ER_OrdemOPSE() {
  if (Valor(1) > m_dados->UltimaOperadora) return true;
  SetValorLog(Valor(1));
  m_textoCampo = kCampo2;
  m_dados->UltimoTitular.clear();
  m_dados->UltimoDependente.clear();
  return false;
}

bool TRegistro::ER_OrdemTPSE() {
  if (Valor(1) > m_dados->UltimoTitular) return true;
  SetValorLog(Valor(1));
  m_textoCampo = kCampo2;
  return false;
}

bool TRegistro::ER_OrdemDTPSE() {
  const QString& cpf = Valor(1);
  const bool vale = cpf.isEmpty() ? !(QStringLiteral("00000000000") + Valor(2) < m_dados->UltimoDependente)
                                  : cpf + Valor(2) > m_dados->UltimoDependente;
  if (vale) return true;
  SetValorLog(cpf.isEmpty() ? Valor(2) : cpf);
  m_textoCampo = kCampo2;
  return false;
}

bool TRegistro::RN_CPF_nao_informado_dependente() { return !(Valor(1).trimmed() + Valor(2)).isEmpty(); }

bool TRegistro::ER_OrdemRemessa() {
  const QString pais = Valor(2).size() == 2 ? u'0' + Valor(2) : Valor(2);
  if (!Valor(3).isEmpty()) return Valor(1) + pais + Valor(3) > m_dados->UltimaRemessa;
  return !(Valor(1) + pais < m_dados->UltimaRemessaSemNif);
}

bool TRegistro::RN_Relacao_Tabela_PJPJ() {
  return Valor(1) != u"2" || Valor(8).isEmpty() ||
         m_dados->Servicos().RelacaoValida(m_dados->Remessa, u'0' + Valor(8));
}

bool TRegistro::RN_NIF_Dispensa() { return Valor(3).isEmpty() || (Valor(4) != u"S" && Valor(5) != u"S"); }

bool TRegistro::RN_Justificativa_Dupla_NIF_Invalida() { return !(Valor(4) == u"S" && Valor(5) == u"S"); }

bool TRegistro::ER_OrdemValorRemessa() {
  if (!(Valor(1) + Valor(2) < m_dados->UltimoValorRemessa)) return true;
  SetArgumentos(Valor(1) + u' ' + Valor(2));
  return false;
}

bool TRegistro::RN_Forma_de_tributacao_valido() {
  if (Valor(6).isEmpty()) return true;
  const ResultadoSecao r = m_dados->Servicos().ValidaFormaTributacao(Valor(6), Valor(5));
  if (r.valido()) return true;
  SetMensagemRegra(r.texto);
  return false;
}

bool TRegistro::RN_Registro_INF_Valido() { return m_dados->Analisador().BeneficiarioPFVisto(); }

bool TRegistro::RN_Ordem_benificiario_INF_valida() {
  const TRegrasAnalisador& a = m_dados->Analisador();
  if (a.BeneficiariosINFVazio() || QString::localeAwareCompare(a.UltimoBeneficiarioINF(), Valor(1)) <= 0) return true;
  SetValorLog(Valor(1));
  m_textoCampo = kCampo2;
  return false;
}

bool TRegistro::RN_Benificiario_INF_nao_duplicado() {
  TRegrasAnalisador& a = m_dados->Analisador();
  const int64_t atual = m_dados->LinhaAtual();
  const int64_t linha = a.LinhaBeneficiarioINF(Valor(1));
  if (linha == 0) a.AdicionaBeneficiarioINF(Valor(1), atual);
  if (linha == 0 || linha == atual) return true;
  SetValorLog(Valor(1));
  m_textoCampo = kCampo2;
  return false;
}

bool TRegistro::RN_FIMTOLV() {
  if (Valor(0).toUpper() == u"FIMTOLV") return true;
  m_textoRegistro = QStringLiteral(" Registro: FimTolv");
  m_textoCampo = QStringLiteral(" Campo: 1");
  return false;
}

bool TRegistro::ER_JaExisteTitular() {
  if (!m_dados->TitularExiste) return true;
  SetArgumentos(m_dados->UltimaOperadora);
  m_dados->PlanoSaudeNaoImportado = true;
  return false;
}
