#include "validador/RelatorioErrosComprovante.h"

#include <QFileInfo>
#include <QPageSize>
#include <QScopedValueRollback>

#include "nucleo/TRegistroComprovante.h"
#include "plataforma/relatorio/FonteRelatorio.h"
#include "plataforma/relatorio/Relatorio.h"
#include "validador/TLogErros.h"

using relatorio::Banda;
using relatorio::FonteRelatorio;
using relatorio::ItemBanda;

namespace {

// One report of rejected lines at a time.
bool g_emUso = false;

struct Coluna {
  const char16_t* titulo;
  int campo;
  qreal x;
  qreal largura;
};

// The line's fields under their captions, as the raw texts of the line.
constexpr Coluna kColunas[] = {
    {u"Beneficiário", 1, 0, 80},
    {u"Aposentadoria", 5, 84, 88},
    {u"Diárias", 6, 176, 88},
    {u"Invalidez", 7, 268, 88},
    {u"Lucro de PJ", 8, 360, 88},
    {u"Titular Microempr.", 9, 452, 96},
    {u"Indenizações", 10, 552, 88},
    {u"Descrição de Outros Rendimentos Isentos", 11, 644, 300},
    {u"Outros Rend. Isent.", 12, 948, 96},
};

}  // namespace

const QStringList& RelatorioErrosComprovante::Instrucoes() {
  static const QStringList linhas{
      QStringLiteral("Acima estão apresentadas as linhas do arquivo com os dados para importação do comprovante de "
                     "rendimentos que por algum motivo não puderam"),
      QStringLiteral("ser processadas. As demais linhas do arquivo já foram importadas. Você pode corrigir os dados "
                     "diretamente no arquivo de erro, e importá-lo"),
      QStringLiteral("novamente. Alternativamente você pode corrigir as linhas no arquivo original e reimportar todos "
                     "comprovantes de rendimentos."),
      QString()};
  return linhas;
}

RelatorioErrosComprovante::RelatorioErrosComprovante(TLogErros& log, int rejeitadas, const QDate& data)
    : m_log(&log),
      m_rejeitadas(rejeitadas),
      m_data(data),
      m_registro(std::make_unique<TRegistroComprovante>()),
      m_relatorio(std::make_unique<relatorio::Relatorio>()) {
  Monta();
}

RelatorioErrosComprovante::~RelatorioErrosComprovante() = default;

void RelatorioErrosComprovante::Monta() {
  relatorio::Relatorio& rel = *m_relatorio;
  rel.definePagina(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10));
  rel.setTituloDocumento(QStringLiteral("Relatório de Erros de Importação do Comprovante de Rendimentos"));
  rel.setImprimeSeVazio(false);
  const qreal largura = rel.areaUtil().width();

  rel.aoIniciar = [this] {
    m_log->Reinicia();
    m_impressos = 0;
    m_progresso = 0;
  };
  rel.proximoRegistro = [this] {
    if (!m_log->LeProximo()) {
      m_progresso = 100;
      return false;
    }
    ++m_impressos;
    m_registro->SetLinha(m_log->Dados());
    if (m_rejeitadas > 0) m_progresso = int(int64_t(m_impressos) * 100 / m_rejeitadas);
    return true;
  };
  const auto campo = [this](int numero) {
    return [this, numero] {
      QString texto;
      m_registro->GetCampo(numero, texto);
      return texto;
    };
  };

  Banda& cabecalho = rel.cabecalhoPagina();
  cabecalho.setAltura(52);
  cabecalho.setFonte(FonteRelatorio(13, true));
  cabecalho.texto({0, 2, largura, 24}, rel.tituloDocumento(), Qt::AlignCenter);
  cabecalho.setFonte(FonteRelatorio(8, true));
  cabecalho.texto({0, 30, 50, 16}, QStringLiteral("Arquivo: "));
  cabecalho.setFonte(FonteRelatorio(8));
  // QRNomeArq
  cabecalho.campo({50, 30, largura - 50, 16}, [this] { return QFileInfo(m_log->ArquivoDescricoes()).absoluteFilePath(); });
  cabecalho.linha({0, 49}, {largura, 49});

  Banda& detalhe = rel.detalhe();
  detalhe.setAltura(20);
  detalhe.setFonte(FonteRelatorio(8, true));
  detalhe.texto({0, 4, 110, 14}, QStringLiteral("Descrição do erro: "));
  detalhe.setFonte(FonteRelatorio(8));
  // QRMDescrErro
  ItemBanda& descricao = detalhe.campo({110, 4, largura - 110, 14}, [this] { return m_log->Mensagem(); });
  descricao.quebraLinha = true;
  descricao.cresce = true;

  Banda& campos = detalhe.adicionaFilha(34);
  campos.setFonte(FonteRelatorio(7, true));
  for (const Coluna& c : kColunas) campos.texto({c.x, 2, c.largura, 14}, QString::fromUtf16(c.titulo));
  campos.setFonte(FonteRelatorio(7));
  for (const Coluna& c : kColunas) campos.campo({c.x, 17, c.largura, 14}, campo(c.campo));

  Banda& complementares = detalhe.adicionaFilha(22);
  complementares.setFonte(FonteRelatorio(7, true));
  complementares.texto({0, 2, 140, 14}, QStringLiteral("Informações Complementares:"));
  complementares.setFonte(FonteRelatorio(7));
  // vlrInfComplementares
  ItemBanda& informacoes = complementares.campo({140, 2, largura - 140, 14}, campo(13));
  informacoes.quebraLinha = true;
  informacoes.cresce = true;
  complementares.linha({0, 20}, {largura, 20}, 0.5);

  Banda& resumo = rel.resumo();
  resumo.setAltura(90);
  resumo.setFonte(FonteRelatorio(8, true));
  resumo.texto({0, 8, largura, 14}, QStringLiteral("Instruções:"));
  resumo.setFonte(FonteRelatorio(8));
  qreal y = 24;
  for (const QString& linha : Instrucoes()) {
    resumo.texto({0, y, largura, 14}, linha);
    y += 14;
  }

  Banda& rodape = rel.rodapePagina();
  rodape.setAltura(24);
  rodape.linha({0, 3}, {largura, 3});
  rodape.setFonte(FonteRelatorio(8));
  rodape.texto({0, 6, 32, 16}, QStringLiteral("Data:"));
  rodape.campo({32, 6, 120, 16}, [this] { return m_data.toString(QStringLiteral("dd/MM/yyyy")); });
  rodape.texto({largura - 110, 6, 50, 16}, QStringLiteral("Página"), Qt::AlignRight | Qt::AlignVCenter);
  rodape.campo({largura - 56, 6, 56, 16}, [this] { return QString::number(m_relatorio->paginaAtual()); });
}

namespace {

void Anota(QString* falha, const QString& texto) {
  if (!falha) return;
  if (!falha->isEmpty()) *falha += u'\n';
  *falha += texto;
}

}  // namespace

bool ExecutaErrosImportComprovante(const QString& raiz, int rejeitadas,
                                   const std::function<void(relatorio::Relatorio&)>& mostra, QString* falha) {
  if (g_emUso || rejeitadas <= 0 || raiz.trimmed().isEmpty()) return false;
  const QScopedValueRollback<bool> emUso(g_emUso, true);
  TLogErros log;
  if (log.Abre(raiz)) {
    if (QFileInfo(log.ArquivoDescricoes()).size() > 0 && QFileInfo(log.ArquivoDados()).size() > 0) {
      RelatorioErrosComprovante relatorio(log, rejeitadas);
      mostra(relatorio.QRErrosImportCompr());
    }
  } else {
    Anota(falha, log.Falha());
  }
  if (!log.Apaga()) Anota(falha, log.Falha());
  return true;
}
