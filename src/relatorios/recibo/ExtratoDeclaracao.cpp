#include "relatorios/recibo/ExtratoDeclaracao.h"

#include <QSet>

#include <optional>

#include "nucleo/Cnpj.h"
#include "nucleo/Cpf.h"
#include "nucleo/UtilTexto.h"
#include "relatorios/recibo/CamposTexto.h"
#include "relatorios/recibo/LinhasArquivo.h"

namespace {

using namespace CamposTexto;
using E = ExtratoDeclaracao;

enum class Acao {
  Cabecalho, ContextoDeclarante, Fundo, Processo, Identificacao, Responsavel, Conta, Mensal, Anual,
  ExteriorBeneficiario, Exterior, Titular, Dependente
};

struct Registro {
  const char* nome;
  Acao acao;
  int total = -1;   // the declarant's total, or the count
  int fundos = -1;  // the funds total, when the record has one
};

// Every line is tested against the names in this order; the first that begins it reads it.
constexpr Registro kRegistros[] = {
    {"TOLV", Acao::Cabecalho},
    {"RRA", Acao::ContextoDeclarante},
    {"FCI", Acao::Fundo},
    {"PROC", Acao::Processo},
    {"DECPJ", Acao::Identificacao},
    {"DECPF", Acao::Identificacao},
    {"RESPO", Acao::Responsavel},
    {"BPFDEC", Acao::Conta, E::BeneficiariosPF},
    {"BPFRRA", Acao::Conta, E::BeneficiariosPF},
    {"BPFPROC", Acao::Conta, E::BeneficiariosPF},
    {"BPFFCI", Acao::Conta, E::BeneficiariosPFFundos},
    {"BPJDEC", Acao::Conta, E::BeneficiariosPJ},
    {"BPJPROC", Acao::Conta, E::BeneficiariosPJ},
    {"BPJFCI", Acao::Conta, E::BeneficiariosPJFundos},
    {"RTRT", Acao::Mensal, E::Tributaveis, E::FundosTributaveis},
    {"RTPO", Acao::Mensal, E::PrevidenciaOficial},
    {"RTPP", Acao::Mensal, E::PrevidenciaPrivada},
    {"RTDP", Acao::Mensal, E::Dependentes},
    {"RTPA", Acao::Mensal, E::PensaoAlimenticia},
    {"RTIRF", Acao::Mensal, E::ImpostoRetido, E::FundosImpostoRetido},
    {"CJAC", Acao::Mensal, E::CompensacaoAnoCalendario, E::FundosCompensacaoAnoCalendario},
    {"CJAA", Acao::Mensal, E::CompensacaoAnosAnteriores, E::FundosCompensacaoAnosAnteriores},
    {"ESRT", Acao::Mensal, E::TributaveisSuspensos, E::FundosTributaveisSuspensos},
    {"ESPO", Acao::Mensal, E::PrevidenciaOficialSuspensa},
    {"ESPP", Acao::Mensal, E::PrevidenciaPrivadaSuspensa},
    {"ESDP", Acao::Mensal, E::DependentesSuspensos},
    {"ESPA", Acao::Mensal, E::PensaoSuspensa},
    {"ESIR", Acao::Mensal, E::ImpostoSuspenso, E::FundosImpostoSuspenso},
    {"ESDJ", Acao::Mensal, E::DepositoJudicial, E::FundosDepositoJudicial},
    {"RIDAC", Acao::Mensal, E::Isentos},
    {"RIIRP", Acao::Mensal, E::Isentos},
    {"RIAP", Acao::Mensal, E::Isentos},
    {"RIMOG", Acao::Mensal, E::Isentos},
    {"RIVC", Acao::Mensal, E::Isentos},
    {"RIBMR", Acao::Mensal, E::Isentos},
    {"RIP65", Acao::Mensal, E::Isentos},
    {"DAJUD", Acao::Mensal, E::DespesasAcaoJudicial},
    {"RIO", Acao::Anual, E::Isentos},
    {"RIPTS", Acao::Anual, E::Isentos},
    {"RIL96", Acao::Anual, E::Isentos},
    {"BRPDE", Acao::ExteriorBeneficiario},
    {"VRPDE", Acao::Exterior},
    {"TPSE", Acao::Titular},
    {"DTPSE", Acao::Dependente},
};
constexpr int kMeses = 13;

char maiuscula(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

bool comeca(QByteArrayView linha, QByteArrayView nome) {
  if (linha.size() < nome.size()) return false;
  for (qsizetype i = 0; i < nome.size(); ++i)
    if (maiuscula(linha[i]) != nome[i]) return false;
  return true;
}

// The names by their first letter, each list in the table's order.
struct Indice {
  std::vector<const Registro*> porLetra[26];
  Indice() {
    for (const Registro& r : kRegistros) porLetra[r.nome[0] - 'A'].push_back(&r);
  }
  const Registro* busca(QByteArrayView linha) const {
    if (linha.isEmpty()) return nullptr;
    const char c = maiuscula(linha[0]);
    if (c < 'A' || c > 'Z') return nullptr;
    for (const Registro* r : porLetra[c - 'A'])
      if (comeca(linha, r->nome)) return r;
    return nullptr;
  }
};

// Field n of the line, counted from 1 (the record's name); empty beyond the last.
QByteArrayView campo(QByteArrayView linha, int n) {
  qsizetype inicio = 0;
  for (int i = 1; i < n; ++i) {
    const qsizetype barra = linha.indexOf('|', inicio);
    if (barra < 0) return {};
    inicio = barra + 1;
  }
  const qsizetype fim = linha.indexOf('|', inicio);
  return linha.sliced(inicio, (fim < 0 ? linha.size() : fim) - inicio);
}

// An amount in cents as the writer puts it: digits (an empty field is zero). Nothing otherwise.
std::optional<int64_t> centavos(QByteArrayView campo) {
  if (campo.isEmpty()) return 0;
  const bool negativo = campo.front() == '-';
  if (negativo) campo = campo.sliced(1);
  if (campo.isEmpty() || campo.size() > 18) return std::nullopt;
  int64_t v = 0;
  for (char c : campo) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  return negativo ? -v : v;
}

class Leitor {
 public:
  explicit Leitor(E& e) : m_e(e) {}

  void Le(QByteArrayView linha) {
    if (++m_numero == 3) {
      m_e.NiTerceiraLinha = Texto(campo(linha, 2));
      m_e.NomeTerceiraLinha = Texto(campo(linha, 3));
    }
    static const Indice indice;
    const Registro* r = indice.busca(linha);
    if (!r) return;
    switch (r->acao) {
      case Acao::Cabecalho:
        m_fundo = false;
        Cabecalho(linha);
        break;
      // The process context adds to the declarant's totals.
      case Acao::ContextoDeclarante:
      case Acao::Processo: m_fundo = false; break;
      case Acao::Fundo:
        m_fundo = true;
        Fundo(linha);
        break;
      case Acao::Identificacao: Identificacao(linha); break;
      case Acao::Responsavel: Responsavel(linha); break;
      case Acao::Conta: ++m_e.Contagens[size_t(r->total)]; break;
      case Acao::Mensal: {
        const int total = m_fundo && r->fundos >= 0 ? r->fundos : r->total;
        // The months follow the name, each after its bar: one pass over the line.
        qsizetype barra = linha.indexOf('|');
        for (int mes = 0; mes < kMeses && barra >= 0; ++mes) {
          const qsizetype proxima = linha.indexOf('|', barra + 1);
          Soma(total, linha.sliced(barra + 1, (proxima < 0 ? linha.size() : proxima) - barra - 1));
          barra = proxima;
        }
        break;
      }
      case Acao::Anual: Soma(r->total, campo(linha, 2)); break;
      case Acao::ExteriorBeneficiario: {
        const char tipo = linha.size() > 6 ? linha[6] : '\0';
        if (tipo == '1') ++m_e.Contagens[E::BeneficiariosPF];
        if (tipo == '2') ++m_e.Contagens[E::BeneficiariosPJ];
        break;
      }
      case Acao::Exterior:
        Soma(E::ExteriorRendimentos, campo(linha, 5));
        Soma(E::ExteriorImposto, campo(linha, 6));
        break;
      case Acao::Titular:
        ++m_e.Contagens[E::TitularesPlano];
        Soma(E::PlanoTitulares, campo(linha, 4));
        break;
      case Acao::Dependente:
        ++m_e.Contagens[E::DependentesPlano];
        Soma(E::PlanoDependentes, campo(linha, 6));
        break;
    }
  }

 private:
  void Soma(int total, QByteArrayView valor) {
    const auto c = centavos(valor);
    if (!c) {
      m_e.Legivel = false;
      return;
    }
    if (*c != 0) m_e.Totais[size_t(total)] += Valor::deCentavos(*c);
  }

  void Cabecalho(QByteArrayView linha) {
    m_e.AnoEntrega = Texto(campo(linha, 2));
    m_e.AnoCalendario = Texto(campo(linha, 3));
    m_e.Retificadora = campo(linha, 4).compare("S", Qt::CaseInsensitive) == 0;
    m_e.SituacaoEspecial = m_e.AnoEntrega == m_e.AnoCalendario;
    m_e.Exercicio.clear();
    if (!m_e.AnoCalendario.isEmpty() && m_e.AnoCalendario.size() <= 9 && SomenteNumeros(m_e.AnoCalendario))
      m_e.Exercicio = m_e.SituacaoEspecial ? m_e.AnoCalendario : QString::number(m_e.AnoCalendario.toInt() + 1);
  }

  void Identificacao(QByteArrayView linha) {
    m_e.NiDeclarante = Texto(campo(linha, 2));
    m_e.NomeDeclarante = Texto(campo(linha, 3));
    m_e.PessoaJuridica = m_e.NiDeclarante.size() == 14;
    m_e.DataEvento.clear();
    m_e.TipoEvento.clear();
    m_e.Natureza.clear();
    if (m_e.PessoaJuridica) {
      const QByteArrayView natureza = campo(linha, 4);
      m_e.Natureza = Texto(natureza.first(qMin<qsizetype>(1, natureza.size())));
      if (campo(linha, 12) == "S") m_e.DataEvento = Data(campo(linha, 13));
    } else if (campo(linha, 7) == "S") {
      m_e.DataEvento = Data(campo(linha, 8));
      m_e.TipoEvento = Texto(campo(linha, 9));
    }
  }

  void Responsavel(QByteArrayView linha) {
    m_e.CpfResponsavel = TCpf::FormataCpf(Texto(campo(linha, 2)));
    m_e.NomeResponsavel = Texto(campo(linha, 3));
    m_e.DddResponsavel = Texto(campo(linha, 4));
    m_e.FoneResponsavel = Texto(campo(linha, 5));
    m_e.RamalResponsavel = Texto(campo(linha, 6));
    m_e.FaxResponsavel = Texto(campo(linha, 7));
    m_e.EmailResponsavel = Texto(campo(linha, 8));
  }

  void Fundo(QByteArrayView linha) {
    // The CNPJ stands in positions 5 to 18.
    const QByteArrayView resto = linha.size() > 4 ? linha.sliced(4) : QByteArrayView();
    const QString cnpj = TCnpj::FormataCnpj(Texto(resto.first(qMin<qsizetype>(14, resto.size()))));
    if (m_vistos.contains(cnpj)) return;
    m_vistos.insert(cnpj);
    if (m_e.Fundos.empty() || m_colunas == E::kFundosPorLinha) {
      m_e.Fundos.emplace_back();
      m_colunas = 0;
    }
    m_e.Fundos.back()[size_t(m_colunas++)] = cnpj;
  }

  E& m_e;
  int64_t m_numero = 0;
  bool m_fundo = false;
  QSet<QString> m_vistos;
  int m_colunas = 0;
};

}  // namespace

ExtratoDeclaracao ExtratoDeclaracao::Preenche(LinhasArquivo& linhas) {
  ExtratoDeclaracao e;
  Leitor leitor(e);
  QByteArrayView linha;
  while (linhas.Proxima(linha)) {
    if (comeca(linha, "FIMTOLV")) break;
    leitor.Le(linha);
  }
  return e;
}
