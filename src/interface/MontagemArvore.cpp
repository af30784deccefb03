#include "interface/MontagemArvore.h"

#include <array>

namespace {

struct TModelo {
  int codigo;
  int imagem;  // 0: a head at the root; -1 or 1: below the current head
  const char* legenda;
};

// Every node the tree can show, in tree order. The parents follow from the order and the codes.
const std::array<TModelo, 37> kModelo{{
    {100, 0, "Declarante"},
    {101, 0, "Informações"},
    {205, -1, "Beneficiário"},
    {201, 0, "Rendimentos tributáveis"},
    {202, 0, "Compensação do imposto por decisão judicial"},
    {203, 0, "Tributação com exigibilidade suspensa"},
    {204, 0, "Rendimentos isentos"},
    {206, 0, "Pensão, aposentadoria ou reforma por moléstia grave ou acidente em serviço"},
    {150, -1, "Rendimentos recebidos acumuladamente"},
    {800, 0, "Plano privado de assistência à saúde - Coletivo empresarial"},
    {801, 0, "Titular/Dependente"},
    {300, 0, "Fundo ou clube de investimentos"},
    {305, -1, "Beneficiário"},
    {301, 0, "Rendimentos tributáveis"},
    {302, 0, "Compensação do imposto por decisão judicial"},
    {303, 0, "Tributação com exigibilidade suspensa"},
    {304, 1, "Rendimentos Isentos"},
    {306, 0, "Pensão, aposentadoria ou reforma por moléstia grave ou acidente em serviço"},
    {400, 0, "Justiça do trabalho/federal/estadual/Distrito Federal"},
    {405, -1, "Beneficiário"},
    {401, 0, "Rendimentos tributáveis"},
    {402, 0, "Compensação do imposto por decisão judicial"},
    {403, 0, "Tributação com exigibilidade suspensa"},
    {406, 0, "Pensão, aposentadoria ou reforma por moléstia grave ou acidente em serviço"},
    {450, -1, "Rendimentos recebidos acumuladamente"},
    {500, 0, "DERC"},
    {500, -1, "Beneficiário"},
    {700, 0, "Comprovante de rendimentos"},
    {701, -1, "Rendimentos tributáveis"},
    {702, 0, "Rendimentos isentos"},
    {703, 0, "Rendimentos sujeitos à tributação exclusiva"},
    {704, 0, "Informações complementares"},
    {705, 0, "Rendimento e imposto retido"},
    {706, 0, "Informações complementares - Retenções IR de PJ para PJ"},
    {707, 0, "Inf. complementares - Retenções órgãos públicos e estatais"},
    {600, 0, "Rendimentos pagos a residentes ou domiciliados no exterior"},
    {601, 0, "Beneficiário"},
}};

bool GrupoVisivel(int codigo, const TPropriedadesArvore& p) {
  if (codigo < 300) return true;
  if (codigo < 400) return p.mostraFC;
  if (codigo < 500) return p.mostraProcesso;
  if (codigo < 600) return p.mostraDERC;
  if (codigo < 700) return p.mostraRemessa;
  if (codigo < 800) return p.mostraComprovante;
  if (codigo < 900) return p.mostraPlanoSaude;
  return false;
}

// The declarant's (below 300), the fund's (300s) and the process's (400s) version of a switch.
bool PorSecao(int codigo, bool declarante, bool fundo, bool processo) {
  if (codigo < 300) return declarante;
  if (codigo < 400) return fundo;
  if (codigo < 500) return processo;
  return false;
}

bool ComprovanteVisivel(int codigo, const TPropriedadesArvore& p) {
  switch (codigo) {
    case 701:
      return p.mostraCompRendimentosTributaveis;
    case 702:
      return p.mostraCompRendimentosIsentos;
    case 703:
      return p.mostraCompTributacaoExclusiva;
    case 704:
      return p.mostraCompInformacoesComplementares;
    case 705:
      return p.mostraCompNaturezaRendimento;
    case 706:
      return p.mostraCompInfCompRetencoes;
    case 707:
      return p.mostraCompInfCompRetencoesOrgaos;
    default:
      return false;
  }
}

// The child's section within its group: 101 -> 1, 150 -> 50, 206 -> 6, 450 -> 50.
int Secao(int codigo) {
  while (codigo > 100) codigo -= 100;
  return codigo;
}

bool FilhoVisivel(int codigo, const TPropriedadesArvore& p) {
  switch (Secao(codigo)) {
    case 2:
    case 3:
      return PorSecao(codigo, p.mostraCompensacaoExigibilidade, p.mostraCompensacaoExigibilidadeFC,
                      p.mostraCompensacaoExigibilidadeProc);
    case 4:
      return PorSecao(codigo, p.mostraRendimentosIsentos, p.mostraRendimentosIsentosFC,
                      p.mostraRendimentosIsentosProc);
    case 6:
      return PorSecao(codigo, p.mostraMolestia, p.mostraMolestiaAnexo, p.mostraMolestiaProc);
    default:
      return false;
  }
}

}  // namespace

std::vector<TNoArvore> MontaArvore(const TPropriedadesArvore& propriedades, int codigoExpansao) {
  std::vector<TNoArvore> nos;
  int cabeca = -1;    // the last head added
  int anterior = -1;  // the head current before it
  auto adiciona = [&](const TModelo& m, int pai) {
    nos.push_back({m.codigo, m.imagem, QString::fromUtf8(m.legenda), pai, false});
    return static_cast<int>(nos.size()) - 1;
  };

  for (const TModelo& m : kModelo) {
    const int codigo = m.codigo;
    if (GrupoVisivel(codigo, propriedades)) {
      if ((codigo % 100 == 0 || codigo % 100 == 5) && codigo != 705) {
        const int novo = adiciona(m, m.imagem == 0 ? -1 : cabeca);
        anterior = cabeca;
        cabeca = novo;
      } else if (codigo > 600 && codigo < 700) {
        const int novo = adiciona(m, cabeca);
        if (codigo == 601) cabeca = novo;
      } else if (codigo > 700 && codigo < 800) {
        if (ComprovanteVisivel(codigo, propriedades)) adiciona(m, cabeca);
      } else if (Secao(codigo) == 50) {
        // The accumulated-income nodes hang beside "Beneficiário", under the group head.
        adiciona(m, anterior);
      } else if (codigo < 200 || Secao(codigo) == 1) {
        adiciona(m, cabeca);
      } else if (FilhoVisivel(codigo, propriedades)) {
        adiciona(m, cabeca);
      }
    }
    if (cabeca >= 0 && nos[cabeca].codigo == codigoExpansao) nos[cabeca].expandido = true;
  }

  if (propriedades.mostraExpandido)
    for (TNoArvore& no : nos) no.expandido = true;
  return nos;
}

std::optional<QString> TituloDoCodigo(int codigo) {
  const QString beneficiario = QStringLiteral("Beneficiário do declarante");
  const QString fundo = QStringLiteral("Fundo ou clube de investimentos");
  const QString justicaCompleto =
      QStringLiteral("Justiça do trabalho/federal/estadual/Distrito Federal");
  const QString rra = QStringLiteral("Rendimentos recebidos acumuladamente");
  const QString justica = QStringLiteral("Justiça");
  const QString separador = QStringLiteral(" - ");

  auto secao = [](int s) -> std::optional<QString> {
    switch (s) {
      case 1:
        return QStringLiteral("Rendimentos tributáveis");
      case 2:
        return QStringLiteral("Compensação de imposto por decisão judicial");
      case 3:
        return QStringLiteral("Tributação com exigibilidade suspensa");
      case 4:
        return QStringLiteral("Rendimentos isentos");
      case 6:
        return QStringLiteral("Pensão, aposentadoria ou reforma por moléstia grave");
      default:
        return std::nullopt;
    }
  };

  switch (codigo) {
    case 150:
      return beneficiario + separador + rra;
    case 205:
      return beneficiario;
    case 300:
    case 305:
      return fundo;
    case 400:
    case 405:
      return justicaCompleto;
    case 450:
      return justica + separador + rra;
    case 404:
      return std::nullopt;  // no exempt section on the process page
    default:
      break;
  }
  const auto texto = secao(codigo % 100);
  if (!texto) return std::nullopt;
  switch (codigo / 100) {
    case 2:
      return beneficiario + separador + *texto;
    case 3:
      return fundo + separador + *texto;
    case 4:
      return justicaCompleto + separador + *texto;
    default:
      return std::nullopt;
  }
}
