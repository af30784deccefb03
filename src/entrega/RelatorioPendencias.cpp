#include "entrega/RelatorioPendencias.h"

#include <QPageSize>

#include "controles/ArteTolv.h"
#include "controles/ImpressaoRelatorio.h"
#include "controles/TFoPreview.h"
#include "entrega/ArteVerificacao.h"
#include "entrega/TVerificacaoPendencias.h"
#include "nucleo/UtilTexto.h"
#include "plataforma/relatorio/EscritaPdf.h"
#include "plataforma/relatorio/FonteRelatorio.h"
#include "plataforma/relatorio/Relatorio.h"

using relatorio::Banda;
using relatorio::FonteRelatorio;
using relatorio::ItemBanda;

namespace {

constexpr int kTextoQuadros = 120;
constexpr int kTextoErros = 193;
constexpr int kNiCabecalho = 18;
const QString kAvisoLimite = QStringLiteral("ATINGIDOS ");

// One report at a time, shown or printing.
bool g_emUso = false;

}  // namespace

TFrRelPendencias::TFrRelPendencias(const std::vector<LinhaVerificacao>& linhas, int numErros, int numAvisos,
                                   const QDate& data)
    : m_linhas(linhas),
      m_numErros(numErros),
      m_numAvisos(numAvisos),
      m_data(data),
      m_relatorio(std::make_unique<relatorio::Relatorio>()) {
  Monta();
}

TFrRelPendencias::~TFrRelPendencias() = default;

TFrRelPendencias::Componente TFrRelPendencias::ComponenteDe(const QString& tipo, Componente anterior) {
  if (tipo == u"08") return Componente::Declarantes;
  if (tipo == u"09" || tipo == u"11" || tipo == u"30") return Componente::Fundos;
  if (tipo == u"10") return Componente::Quadros;
  if (tipo == u"20") return Componente::QuadrosOk;
  if (tipo == u"01" || tipo == u"00") return Componente::Erros;
  if (tipo.trimmed().isEmpty()) return Componente::Nenhum;
  return anterior;
}

QString TFrRelPendencias::TextoImpresso(const LinhaVerificacao& linha, Componente componente) {
  const QString texto = linha.Texto();
  switch (componente) {
    case Componente::Nenhum: return {};
    case Componente::Erros:
      if (linha.Tipo() == u"01") return QStringLiteral("ERRO : ") + texto.left(kTextoErros);
      if (linha.Tipo() == u"00") return QStringLiteral("AVISO: ") + texto.left(kTextoErros);
      return texto.left(kTextoErros);
    default: return texto.left(kTextoQuadros);
  }
}

QString TFrRelPendencias::NiDoCabecalho(const QString& texto) {
  // The warning cap's row is of the same kind, and its number is no declarant's.
  if (texto.startsWith(kAvisoLimite)) return {};
  QString ni;
  for (const QChar c : texto.left(kNiCabecalho))
    if (c.isDigit() || c == u'-' || c == u'.' || c == u'/') ni += c;
  return ni;
}

void TFrRelPendencias::Monta() {
  relatorio::Relatorio& rel = *m_relatorio;
  rel.definePagina(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10));
  rel.setTituloDocumento(QStringLiteral("Verificação de Pendências"));
  rel.setCabecalhoNaPrimeiraPagina(true);
  rel.setRodapeNaUltimaPagina(true);
  rel.setImprimeSeVazio(true);
  rel.setContaPaginas(true);
  const qreal largura = rel.areaUtil().width();

  rel.aoIniciar = [this] {
    m_proxima = 0;
    m_atual = nullptr;
    m_componente = Componente::Nenhum;
    m_declarante.clear();
  };
  rel.proximoRegistro = [this] {
    if (m_proxima >= m_linhas.size()) return false;
    m_atual = &m_linhas[m_proxima++];
    return true;
  };

  // QRBCabecPagina
  Banda& cabecalho = rel.cabecalhoPagina();
  cabecalho.setAltura(46);
  cabecalho.setFonte(FonteRelatorio(14, true));
  cabecalho.texto({0, 4, largura / 2, 30}, QStringLiteral("Verificação de pendências"));
  const QImage logo = ArteTolv::imagemInicial().toImage();
  const qreal alturaLogo = 34;
  const qreal larguraLogo = logo.isNull() || logo.height() == 0 ? 0 : alturaLogo * logo.width() / logo.height();
  if (larguraLogo > 0) cabecalho.imagem({largura - larguraLogo, 2, larguraLogo, alturaLogo}, logo);
  cabecalho.linha({0, 42}, {largura, 42}, 1.5);

  // QRBand1: one of the four texts, by the row's kind.
  Banda& detalhe = rel.detalhe();
  detalhe.setAltura(17);
  detalhe.setFonte(FonteRelatorio(10, true));
  ItemBanda& declarantes = detalhe.campo({0, 0, largura, 17}, [this] { return Texto(Componente::Declarantes); });
  declarantes.cor = QColor(0, 0, 160);
  detalhe.setFonte(FonteRelatorio(9, true));
  ItemBanda& fundos = detalhe.campo({12, 0, largura - 12, 17}, [this] { return Texto(Componente::Fundos); });
  fundos.cor = QColor(0, 110, 110);
  const QImage ok = ArteVerificacao::icone(ArteVerificacao::Icone::Ok).toImage();
  ItemBanda& imagemOk = detalhe.imagem({24, 1, 14, 14}, ok);
  ItemBanda& quadros = detalhe.campo({42, 0, largura - 42, 17}, [this] {
    return m_componente == Componente::Quadros || m_componente == Componente::QuadrosOk
               ? TextoImpresso(*m_atual, m_componente)
               : QString();
  });
  detalhe.setFonte(FonteRelatorio(8));
  ItemBanda& erros = detalhe.campo({60, 0, largura - 60, 17}, [this] { return Texto(Componente::Erros); });
  detalhe.antesDeImprimir = [this, &declarantes, &fundos, &imagemOk, &quadros, &erros] {
    m_componente = ComponenteDe(m_atual->Tipo(), m_componente);
    if (m_componente == Componente::Declarantes) {
      const QString ni = NiDoCabecalho(m_atual->Texto());
      if (!ni.isEmpty()) m_declarante = ni;
    }
    declarantes.visivel = m_componente == Componente::Declarantes;
    fundos.visivel = m_componente == Componente::Fundos;
    quadros.visivel = m_componente == Componente::Quadros || m_componente == Componente::QuadrosOk;
    imagemOk.visivel = m_componente == Componente::QuadrosOk && m_atual->Tipo() == u"20";
    erros.visivel = m_componente == Componente::Erros;
    return true;
  };

  // QRBand2
  Banda& resumo = rel.resumo();
  resumo.setAltura(44);
  resumo.linha({0, 6}, {largura, 6});
  resumo.setFonte(FonteRelatorio(9, true));
  resumo.campo({0, 10, 300, 16},
               [this] { return QStringLiteral("Total de erros: ") + NumeroComZeros(m_numErros, 4); });
  resumo.campo({0, 26, 300, 16},
               [this] { return QStringLiteral("Total de avisos: ") + NumeroComZeros(m_numAvisos, 4); });

  // QRBand4
  Banda& rodape = rel.rodapePagina();
  rodape.setAltura(26);
  rodape.linha({0, 4}, {largura, 4});
  rodape.setFonte(FonteRelatorio(8));
  rodape.campo({0, 8, 300, 16}, [this] { return QStringLiteral("Declarante: ") + m_declarante; });
  rodape.texto({largura / 2 - 60, 8, 120, 16}, QStringLiteral("Versão 1.5"), Qt::AlignCenter);
  rodape.campo({largura - 330, 8, 180, 16},
               [this] { return QStringLiteral("Data: ") + m_data.toString(QStringLiteral("dd/MM/yyyy")); },
               Qt::AlignRight | Qt::AlignVCenter);
  rodape.campo({largura - 140, 8, 140, 16},
               [this] {
                 const relatorio::Relatorio& r = *m_relatorio;
                 return QStringLiteral("Página %1 de %2").arg(r.paginaAtual()).arg(r.totalPaginas());
               },
               Qt::AlignRight | Qt::AlignVCenter);
}

QString TFrRelPendencias::Texto(Componente componente) const {
  return m_atual && m_componente == componente ? TextoImpresso(*m_atual, componente) : QString();
}

namespace {

struct EmUso {
  EmUso() { g_emUso = true; }
  ~EmUso() { g_emUso = false; }
  EmUso(const EmUso&) = delete;
  EmUso& operator=(const EmUso&) = delete;
};

}  // namespace

void ImprimeRelPendencias(bool visualizar, const TVerificacaoPendencias& verificacao, QWidget* dono) {
  if (g_emUso) return;
  EmUso emUso;
  TFrRelPendencias relatorio(verificacao.GetLinhas(), verificacao.GetNumErros(), verificacao.GetNumAvisos());
  if (visualizar)
    MostraPreview(relatorio.QrpPendencias());
  else
    ImprimeRelatorio(relatorio.QrpPendencias(), dono);
}

bool EscreveRelPendencias(const TVerificacaoPendencias& verificacao, const QString& arquivo, QString* erro) {
  TFrRelPendencias relatorio(verificacao.GetLinhas(), verificacao.GetNumErros(), verificacao.GetNumAvisos());
  return relatorio::EscrevePdf(relatorio.QrpPendencias(), arquivo, erro);
}
