#include "entrega/TVerificacaoTolvItem.h"

#include <QDate>

#include <initializer_list>

#include "nucleo/Erros.h"
#include "nucleo/ETolvItemError.h"
#include "nucleo/ImpostoTabela.h"
#include "nucleo/Pendencia.h"
#include "nucleo/TColecaoAnexo.h"
#include "nucleo/TTolv.h"
#include "nucleo/TTolvItem.h"

namespace {

constexpr uint8_t kAviso = 0;
constexpr uint8_t kErro = 1;

constexpr uint16_t kDataLaudoInvalida = 225;
constexpr uint16_t kFilialDeFundo = 294;
constexpr uint16_t kProprioBeneficiario = 179;
constexpr uint16_t kExtinto8045 = 117;
constexpr uint16_t kExtinto = 118;
constexpr uint16_t kLaudoNaoInformado = 226;
constexpr uint16_t kAntesDoLaudo = 224;
constexpr uint16_t kDeducaoIndevida = 60;
constexpr uint16_t kRetidoMaior20000 = 56;
constexpr uint16_t kDeducoesMaior20000 = 55;
constexpr uint16_t kRetidoMaior100000 = 58;
constexpr uint16_t kRetidoMaiorTabela = 285;
constexpr uint16_t kCodigoSemSubJudice = 62;
constexpr uint16_t kCodigoSemCompensacao = 63;
constexpr uint16_t kEmpresaSemSubJudice = 64;
constexpr uint16_t kEmpresaSemCompensacao = 65;
constexpr uint16_t kRetidoMaiorRendimento = 314;
constexpr uint16_t kDecimoIndevido = 61;
constexpr uint16_t kLinhaZerada = 59;
constexpr uint16_t kDispensado5706 = 136;
constexpr uint16_t kOutrosInvalido = 235;
constexpr uint16_t kOutrosSemValor = 236;

constexpr int k13 = 13;
const QString kSemData = QStringLiteral("30/12/1899");
const QString kSemErro = QStringLiteral("SemErro");

// The codes whose person beneficiaries of a public body have their withheld tax compared with the
// monthly table.
constexpr const char16_t* kCodigosTabela[] = {u"0561", u"0588", u"1895", u"1889", u"3208", u"3223", u"3277", u"5204",
                                              u"5557", u"8468", u"5928", u"5936", u"6891", u"6904", u"9385"};
// The codes whose exempt income gets the monthly consistency warnings.
constexpr const char16_t* kCodigosIsentos[] = {u"0561", u"0588", u"3533", u"3540", u"3556"};

template <size_t N>
bool Em(const QString& codigo, const char16_t* const (&lista)[N]) {
  for (const char16_t* c : lista)
    if (codigo == QStringView(c)) return true;
  return false;
}

Valor V(const TMonetario& m) { return m.GetValorMonetario(); }

// Income, total deduction and withheld tax of one month of a taxable series.
Valor RendimentoDeducaoRetido(TRendimentosTributaveis& serie, int mes) {
  return V(serie.GetRendimento(mes)) + V(serie.GetDeducao(mes)) + V(serie.GetRetido(mes));
}

// "dd/mm/yyyy" as a date; invalid for anything else.
QDate Data(const QString& texto) { return QDate::fromString(texto.trimmed(), QStringLiteral("dd/MM/yyyy")); }

bool SemLaudo(const QString& data) {
  const QString t = data.trimmed();
  return t.isEmpty() || t == kSemData;
}

// The texts a line's findings quote: its code and beneficiary, with the month when there is one.
class Argumentos {
 public:
  Argumentos(const QString& codigo, const QString& ni) : m_codigo(codigo), m_ni(ni) {}

  QString A(int mes, const char* serie = " ") const { return m_codigo + u';' + B(mes, serie); }
  QString B(int mes, const char* serie = " ") const {
    return m_codigo + QString::fromUtf8(serie) + m_ni + u' ' + TVerificacaoTolvItem::NomeMes(mes);
  }
  QString C() const { return m_codigo + u' ' + m_ni; }
  QString D() const { return m_codigo + u';' + m_ni; }
  QString E() const { return QStringLiteral(": ") + C(); }

 private:
  const QString& m_codigo;
  const QString& m_ni;
};

constexpr const char* kSuspensa = " Exigibilidade Suspensa ";
constexpr const char* kCompensacao = " Compensação ";

}  // namespace

const TVerificacaoTolvItem::Campos TVerificacaoTolvItem::kCamposDeclarante{22, 23, 24, 25, 26, 27, 50, 51, 52};
const TVerificacaoTolvItem::Campos TVerificacaoTolvItem::kCamposFundo{30, 31, 32, 33, 34, 35, 50, 59, 60};
const TVerificacaoTolvItem::Campos TVerificacaoTolvItem::kCamposProcesso{38, 39, 40, 41, 42, 43, 50, 59, 60};

const TVerificacaoTolvItem::Campos& TVerificacaoTolvItem::CamposDe(const TTolvItem& linha) {
  if (linha.GetIndicadorAnexo() == u"0") return kCamposDeclarante;
  return linha.GetLinhaProcesso() == 1 ? kCamposProcesso : kCamposFundo;
}

TVerificacaoTolvItem::TVerificacaoTolvItem(TTolv& declaracao) : m_declaracao(&declaracao) {}

QString TVerificacaoTolvItem::NomeMes(int mes) {
  static const char16_t* const kMeses[] = {u"Jan", u"Fev", u"Mar", u"Abr", u"Mai", u"Jun", u"Jul",
                                           u"Ago", u"Set", u"Out", u"Nov", u"Dez", u"13º"};
  return mes >= 1 && mes <= 13 ? QString::fromUtf16(kMeses[mes - 1]) : QString();
}

TLinhasVerificacao::VerificaLinha TVerificacaoTolvItem::Funcao() {
  return [this](TTolvItem& linha, TErros& erros) { Verifica(linha, erros); };
}

bool TVerificacaoTolvItem::RaizDeFundo(const QString& cnpj) {
  const QString raiz = cnpj.left(8);
  const auto achada = m_raizesFundo.constFind(raiz);
  if (achada != m_raizesFundo.cend()) return *achada;
  const bool deFundo = m_declaracao->GetColecaoAnexo().FundoMesmaRaiz(cnpj) != kSemErro;
  m_raizesFundo.insert(raiz, deFundo);
  return deFundo;
}

namespace {

// The revenue code the messages quote: the one stored with the line.
QString CodigoDaLinha(const TTolvItem& linha) {
  const QString& guardado = linha.GetBeneficiario().GetCodigoRetencao();
  return (guardado.isEmpty() ? linha.GetCodigoRetencao().GetCodigo() : guardado).trimmed();
}

}  // namespace

void TVerificacaoTolvItem::Verifica(TTolvItem& linha, TErros& erros) {
  const Campos& campos = CamposDe(linha);
  const QString dono = linha.GetAnexo().GetFonteDK();
  const QString& chave = linha.GetTolvItemDK();
  TBeneficiarioTolv& beneficiario = linha.GetBeneficiario();
  const QString codigo = CodigoDaLinha(linha);
  const QString ni = beneficiario.GetNiFormatado();
  const Argumentos args(codigo, ni);
  auto pendencia = [&](uint16_t mensagem, const QString& argumentos, uint8_t tipo, uint8_t campo) {
    AdicionaPendencia<ETolvItemError>(erros, mensagem, argumentos, tipo, dono, chave, campo);
  };

  beneficiario.VerificaNi(erros, dono, chave, campos.ni);
  beneficiario.VerificaNome(erros, dono, chave, campos.nome);

  if (const int codigoInvalido = linha.ValidaCodigoRetencao()) {
    pendencia(uint16_t(codigoInvalido), args.D(), kErro, campos.codigo);
  } else if (const int declarante = linha.ValidaDeclaranteBeneficiario()) {
    if (declarante == kProprioBeneficiario && m_declaracao->GetInOstensivo())
      pendencia(kProprioBeneficiario, ni, kAviso, campos.codigo);
    else
      pendencia(uint16_t(declarante), args.D(), kErro, campos.codigo);
  }

  const QString laudo = linha.GetDataLaudo().GetValor();
  if (!SemLaudo(laudo)) {
    const QDate data = Data(laudo);
    if (!data.isValid() || data.year() > m_declaracao->GetAnoCalendario().toInt())
      pendencia(kDataLaudoInvalida, args.D(), kErro, campos.codigo);
  }

  if (m_declaracao->GetInAdmFC() == 1 && beneficiario.GetTipo() == kNiCnpj) {
    const QString ordem = TNi::OrdemCnpj(beneficiario.GetNiDigitos(), false);
    if (!ordem.isEmpty() && ordem > u"0001" && RaizDeFundo(beneficiario.GetNiDigitos()))
      pendencia(kFilialDeFundo, ni, kErro, campos.ni);
  }

  VerificaValoresMensais(linha, erros);
}

void TVerificacaoTolvItem::VerificaValoresMensais(TTolvItem& linha, TErros& erros) {
  const Campos& campos = CamposDe(linha);
  const QString dono = linha.GetAnexo().GetFonteDK();
  const QString& chave = linha.GetTolvItemDK();
  const TBeneficiarioTolv& beneficiario = linha.GetBeneficiario();
  const TCodigoRetencao& tabela = linha.GetCodigoRetencao();
  const QString codigo = CodigoDaLinha(linha);
  const QString ni = beneficiario.GetNiFormatado();
  const Argumentos args(codigo, ni);
  auto pendencia = [&](uint16_t mensagem, const QString& argumentos, uint8_t tipo, uint8_t campo) {
    AdicionaPendencia<ETolvItemError>(erros, mensagem, argumentos, tipo, dono, chave, campo);
  };

  TRendimentosTributaveis& tributaveis = linha.GetTributaveis();
  TSubJudice& subJudice = linha.GetSubJudice();
  TCompensacao& compensacao = linha.GetCompensacao();
  TRendimentosIsentos& isentos = linha.GetIsentos();
  const bool pessoa = beneficiario.GetTipo() == kNiCpf;
  const bool empresa = beneficiario.GetTipo() == kNiCnpj;
  const QString& ano = m_declaracao->GetAnoCalendario();
  const int anoCalendario = ano.toInt();
  const Valor zero;

  const bool tabelaImposto = m_declaracao->GetCodigoNatureza() == 2 && pessoa && Em(codigo, kCodigosTabela);
  const uint16_t extinto =
      (codigo == u"8045" && pessoa) ? kExtinto8045
      : (codigo == u"6799" || codigo == u"3249" || codigo == u"3251") ? kExtinto
                                                                     : 0;
  const bool molestia = tabela.GetIsentoMolestia() && linha.GetInMolestia().GetValor() == u"S";
  const QString laudo = linha.GetDataLaudo().GetValor();
  const QDate dataLaudo = SemLaudo(laudo) ? QDate() : Data(laudo);
  const bool admiteDeducao = tabela.GetDeducaoAnexo() || tabela.GetDeducaoPO() || tabela.GetDeducaoPP() ||
                             tabela.GetDeducaoDP() || tabela.GetDeducaoPA();
  const bool admiteDeducaoSuspensa =
      tabela.GetDeducaoPO() || tabela.GetDeducaoPP() || tabela.GetDeducaoDP() || tabela.GetDeducaoPA();
  const bool isentosListados = Em(codigo, kCodigosIsentos);
  const Valor limite20000 = Valor::deReais(20000);
  const Valor limite100000 = Valor::deReais(100000);

  bool semLaudoDito = false;
  Valor retidoAcumulado;
  Valor tabelaAcumulada;

  for (int mes = 1; mes <= k13; ++mes) {
    if (extinto) {
      if (RendimentoDeducaoRetido(tributaveis, mes) > zero)
        pendencia(extinto, args.A(mes), kErro, campos.tributaveis);
      if (RendimentoDeducaoRetido(subJudice, mes) + V(subJudice.GetDeposito(mes)) > zero)
        pendencia(extinto, args.A(mes, kSuspensa), kErro, campos.subJudice);
      if (V(compensacao.GetAnoAtual(mes)) + V(compensacao.GetAnoAnterior(mes)) > zero)
        pendencia(extinto, args.A(mes, kCompensacao), kErro, campos.compensacao);
    }

    if (molestia && V(tributaveis.GetMolestia(mes)) > zero) {
      if (SemLaudo(laudo)) {
        if (!semLaudoDito) {
          semLaudoDito = true;
          pendencia(kLaudoNaoInformado, args.C() + u' ', kAviso, campos.tributaveis);
        }
      } else if (dataLaudo.isValid()) {
        const QDate inicioLaudo(dataLaudo.year(), dataLaudo.month(), 1);
        const QDate inicioMes(anoCalendario, mes == k13 ? 12 : mes, 1);
        if (inicioLaudo > inicioMes) pendencia(kAntesDoLaudo, args.B(mes), kErro, campos.tributaveis);
      }
    }

    if (!TErros::LimiteAvisosAtingido()) {
      m_grade.ValidaMesRendimentos(linha, mes);
      while (m_grade.TemMensagens()) pendencia(m_grade.RetiraCodigo(), args.B(mes), kAviso, campos.tributaveis);
      m_grade.ValidaMesSubJudice(linha, mes);
      while (m_grade.TemMensagens()) pendencia(m_grade.RetiraCodigo(), args.B(mes), kAviso, campos.subJudice);
      if (isentosListados) {
        m_grade.ValidaMesIsentos(linha, mes);
        while (m_grade.TemMensagens()) pendencia(m_grade.RetiraCodigo(), args.B(mes), kAviso, campos.isentos);
      }
    }

    const Valor deducao = V(tributaveis.GetDeducao(mes));
    const Valor deducaoSuspensa = V(subJudice.GetDeducao(mes));
    if (pessoa) {
      if (deducao > zero && !admiteDeducao) pendencia(kDeducaoIndevida, args.B(mes), kErro, campos.tributaveis);
      if (deducaoSuspensa > zero && !admiteDeducaoSuspensa)
        pendencia(kDeducaoIndevida, args.B(mes, kSuspensa), kErro, campos.tributaveis);
      if (!TErros::LimiteAvisosAtingido()) {
        if (linha.GetTotalMes(mes).GetValorMonetario() > limite20000)
          pendencia(kRetidoMaior20000, args.B(mes), kAviso, campos.tributaveis);
        if (deducao > limite20000) pendencia(kDeducoesMaior20000, args.B(mes), kAviso, campos.tributaveis);
      }
    } else if (empresa) {
      if (deducao > zero) pendencia(kDeducaoIndevida, args.B(mes), kErro, campos.tributaveis);
      if (deducaoSuspensa > zero) pendencia(kDeducaoIndevida, args.B(mes, kSuspensa), kErro, campos.tributaveis);
      if (!TErros::LimiteAvisosAtingido() && V(tributaveis.GetRetido(mes)) > limite100000)
        pendencia(kRetidoMaior100000, args.B(mes), kAviso, campos.tributaveis);
    }

    if (tabelaImposto) {
      retidoAcumulado += V(tributaveis.GetRetido(mes));
      tabelaAcumulada += CalculaImpostoTabela(ano, V(tributaveis.GetRendimento(mes)));
    }
  }
  if (tabelaImposto && retidoAcumulado > tabelaAcumulada)
    pendencia(kRetidoMaiorTabela, args.C(), kAviso, campos.tributaveis);

  const bool temSuspensa = !subJudice.EstaVazio() || !subJudice.GetDepositos().EstaVazia();
  const bool temCompensacao = !compensacao.EstaVazio();
  if (pessoa && !tabela.GetSubJudice()) {
    if (temSuspensa) pendencia(kCodigoSemSubJudice, args.C(), kErro, campos.tributaveis);
    if (temCompensacao) pendencia(kCodigoSemCompensacao, args.C(), kErro, campos.tributaveis);
  } else if (empresa) {
    if (temSuspensa) pendencia(kEmpresaSemSubJudice, args.C(), kErro, campos.tributaveis);
    if (temCompensacao) pendencia(kEmpresaSemCompensacao, args.C(), kErro, campos.tributaveis);
  }

  if (empresa && m_declaracao->GetContribuinte().GetTipo() == kNiCnpj &&
      tributaveis.GetTotalRendimento().GetValorMonetario() < tributaveis.GetTotalRetido().GetValorMonetario())
    pendencia(kRetidoMaiorRendimento, args.C(), codigo == u"6800" ? kAviso : kErro, campos.tributaveis);

  if (!(tabela.GetDecimoTerceiro() && !empresa)) {
    if (RendimentoDeducaoRetido(tributaveis, k13) > zero)
      pendencia(kDecimoIndevido, args.B(k13), kErro, campos.tributaveis);
    if (RendimentoDeducaoRetido(subJudice, k13) + V(subJudice.GetDeposito(k13)) > zero)
      pendencia(kDecimoIndevido, args.B(k13, kSuspensa), kErro, campos.tributaveis);
    if (V(compensacao.GetAnoAtual(k13)) + V(compensacao.GetAnoAnterior(k13)) > zero)
      pendencia(kDecimoIndevido, args.B(k13, kCompensacao), kErro, campos.tributaveis);
  }

  if (tributaveis.EstaVazio() && !temSuspensa && !temCompensacao && isentos.EstaVazio() &&
      isentos.GetAnualLucrosDiv96().EhZero() && isentos.GetAnualTitularSocio().EhZero() &&
      isentos.GetAnualOutros().EhZero())
    pendencia(kLinhaZerada, args.C(), kErro, campos.tributaveis);

  if (!TErros::LimiteAvisosAtingido() && codigo == u"5706" &&
      tributaveis.GetTotalRetido().GetValorMonetario() <= Valor::deReais(10))
    pendencia(kDispensado5706, ni, kAviso, campos.tributaveis);

  const QString descricaoOutros = isentos.GetAnualEspecificarOutros().GetValor();
  if (!isentos.GetAnualOutros().EhZero()) {
    if (!DescricaoOutrosValida(descricaoOutros)) pendencia(kOutrosInvalido, args.E(), kErro, campos.descricaoOutros);
  } else if (!descricaoOutros.trimmed().isEmpty()) {
    pendencia(kOutrosSemValor, args.E(), kErro, campos.anualOutros);
  }
}
