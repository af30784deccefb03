#include "entrega/TArquivoTolv.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include "entrega/ArquivoDeclaracao.h"
#include "nucleo/TColecao.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/sistema/Pastas.h"
#include "plataforma/sistema/Unidades.h"

namespace {

// The nearest folder of the path that exists: the target folder may not be made yet.
QString PastaExistente(QString pasta) {
  while (!pasta.isEmpty() && !QFileInfo(pasta).isDir()) {
    const QString acima = QFileInfo(pasta).absolutePath();
    if (acima == pasta) break;
    pasta = acima;
  }
  return pasta;
}

}  // namespace

TArquivoTolv::TArquivoTolv() {
  const QString recibo = Pastas::dados() + QStringLiteral("/Recibo.ini");
  if (QFile::exists(recibo) && !QFile::remove(recibo)) qWarning("Recibo.ini não removido: %s", qPrintable(recibo));
}

bool TArquivoTolv::EspacoSuficiente(int64_t livre, int itens) {
  // 102,400 bytes of reserve and 730 bytes an item; the quotient truncated, and it must exceed.
  return (livre - 102400) / 730 > itens;
}

int64_t TArquivoTolv::EspacoLivre(const QString& pasta) const {
  if (m_espacoLivre) return m_espacoLivre(pasta);
  const QStorageInfo volume(PastaExistente(pasta));
  return volume.isValid() ? volume.bytesAvailable() : 0;
}

bool TArquivoTolv::ExisteRecibo(const TTolv& declaracao, const QString& unidade) const {
  const QString raiz = unidade.isEmpty() ? Unidades().fixaPadrao() : unidade;
  if (const auto u = UnidadeDoCaminho(raiz); u && u->tipo == TipoUnidade::Disquete && u->raiz == raiz) return false;
  const QString pasta = ArquivoDeclaracao::PastaPadrao(declaracao, raiz);
  return !ArquivoDeclaracao::ReciboAoLado(pasta + ArquivoDeclaracao::Nome(declaracao)).isEmpty();
}

int TArquivoTolv::GravaArquivo(PedidoGravacao& pedido, TTolv& declaracao) {
  m_falha = false;
  m_mensagemFalha.clear();
  pedido.Arquivo = ArquivoDeclaracao::TrocaExtensao(pedido.Arquivo, QStringLiteral("DEC"));

  // A receipt beside the file that would be replaced, or at the default place, means the
  // declaration was transmitted: nothing is touched.
  if (!ArquivoDeclaracao::ReciboAoLado(pedido.Arquivo).isEmpty() || ExisteRecibo(declaracao, pedido.Unidade))
    return TfoGravacao::kExisteRecibo;

  // The data folder's volume, as always, and the volume that receives the file.
  if (!EspacoSuficiente(EspacoLivre(Pastas::dados()), pedido.ItensVerificados) ||
      !EspacoSuficiente(EspacoLivre(QFileInfo(pedido.Arquivo).absolutePath()), pedido.ItensVerificados))
    return TfoGravacao::kSemEspaco;

  QString banco = pedido.Banco;
  if (banco.isEmpty() && TColecao::GetBancoDeclaracao()) banco = TColecao::GetBancoDeclaracao()->arquivo();

  TfoGravacao gravador(banco);
  gravador.GetGanchos() = m_ganchos;
  EstadoGravacao& estado = gravador.Estado();
  estado.AnoCalendario = declaracao.GetAnoCalendario().left(4).toInt();
  estado.TipoDeclaracao = declaracao.GetTipoDeclaracao();
  estado.NumeroRecibo = declaracao.GetNrRecibo().GetValor().left(10);
  estado.Uf = pedido.Uf;

  int resultado = TfoGravacao::kSemErro;
  try {
    gravador.DefineMaximoProgresso(gravador.ContaItens());
    resultado = gravador.GravaDeclaracao(pedido.Arquivo, pedido.CopiaTexto);
    m_falha = gravador.FalhaGravacao();
    m_mensagemFalha = gravador.MensagemFalha();
  } catch (const std::exception& e) {
    // Counting the work failed: the database cannot be read, nothing was written.
    m_falha = true;
    m_mensagemFalha = QStringLiteral("Exception class name = ErroBanco\nException message = ") + QString::fromUtf8(e.what()) +
                      QStringLiteral("\n\nEntre em contato com o Brenvald \ne informe a mensagem acima.");
  }
  if (resultado == TfoGravacao::kSemErro && !m_falha) declaracao.AtualizaDataGeracao(QDateTime::currentDateTime());
  return resultado;
}
